#include "platform/headless/headless_platform.h"

#include "platform/message_box.h"
#include "platform/window_styles.h"

namespace daub {

MutexHandle HeadlessPlatform::OpenNamedMutex(const std::string& name) {
    return MutexHandle{static_cast<std::uintptr_t>(kernel_.OpenNamed(name))};
}

CreatedMutex HeadlessPlatform::CreateNamedMutex(const std::string& name) {
    CreatedMutex created;
    const int handle = kernel_.CreateNamed(name, created.alreadyExisted);
    created.handle = MutexHandle{static_cast<std::uintptr_t>(handle)};
    return created;
}

// The mutexes are made unowned, so releasing one changes nothing; only closing counts.
void HeadlessPlatform::ReleaseNamedMutex(MutexHandle) {}

void HeadlessPlatform::CloseMutexHandle(MutexHandle mutex) {
    kernel_.Close(static_cast<int>(mutex.value));
}

int HeadlessPlatform::ShowMessageBox(WindowHandle owner, const std::string& text,
                                     const std::string& caption, unsigned type) {
    int answer = DefaultAnswer(type);
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    messageBoxes_.push_back({owner, text, caption, type, answer});
    return answer;
}

bool HeadlessPlatform::RegisterWindowClass(const WindowClass& windowClass) {
    return classes_.emplace(windowClass.name, windowClass).second;
}

WindowHandle HeadlessPlatform::CreateNativeWindow(Window& window, const WindowSpec& spec) {
    if (!FindClass(spec.className)) return {};
    const WindowHandle handle{nextWindow_++};
    HeadlessWindow& record = windows_[handle.value];
    record.object = &window;
    record.spec = spec;
    record.visible = (spec.style & ws::kVisible) != 0;
    window.Attach(handle);
    Send(handle, {wm::kCreate, 0, 0});
    return handle;
}

void HeadlessPlatform::ShowNativeWindow(WindowHandle window, int showCommand) {
    if (HeadlessWindow* record = Live(window)) {
        record->showCommand = showCommand;
        record->visible = showCommand != sw::kHide;
    }
}

void HeadlessPlatform::UpdateNativeWindow(WindowHandle window) {
    if (HeadlessWindow* record = Live(window)) ++record->updates;
}

void HeadlessPlatform::DestroyNativeWindow(WindowHandle window) {
    HeadlessWindow* record = Live(window);
    if (!record) return;
    Send(window, {wm::kDestroy, 0, 0});
    record->alive = false;
    record->visible = false;
    if (record->object) record->object->Detach();
    record->object = nullptr;
}

void HeadlessPlatform::AbandonWindow(WindowHandle window) {
    if (HeadlessWindow* record = Live(window)) record->object = nullptr;
    DestroyNativeWindow(window);
}

void HeadlessPlatform::SetScrollBar(WindowHandle window, int bar, const ScrollInfo& info, bool) {
    HeadlessWindow* record = Live(window);
    if (record && (bar == sb::kHorz || bar == sb::kVert)) record->scrollBars[bar] = info;
}

bool HeadlessPlatform::PostWindowMessage(WindowHandle window, const Message& message) {
    if (!Live(window)) return false;
    posted_.emplace_back(window, message);
    return true;
}

int HeadlessPlatform::RunMessageLoop() {
    while (!quitCode_ && !posted_.empty()) {
        const auto [window, message] = posted_.front();
        posted_.pop_front();
        Send(window, message);
    }
    const int exitCode = quitCode_.value_or(0);
    quitCode_.reset();
    return exitCode;
}

std::intptr_t HeadlessPlatform::Send(WindowHandle window, const Message& message) {
    HeadlessWindow* record = Live(window);
    if (!record) return 0;
    if (record->object) {
        if (const auto result = record->object->HandleMessage(message)) return *result;
    }
    return DefaultHandling(window, message);
}

// The little of DefWindowProc that the program relies on.
std::intptr_t HeadlessPlatform::DefaultHandling(WindowHandle window, const Message& message) {
    if (message.id == wm::kClose) DestroyNativeWindow(window);
    return 0;
}

const WindowClass* HeadlessPlatform::FindClass(const std::string& name) const {
    const auto it = classes_.find(name);
    return it == classes_.end() ? nullptr : &it->second;
}

const HeadlessWindow* HeadlessPlatform::Find(WindowHandle window) const {
    const auto it = windows_.find(window.value);
    return it == windows_.end() ? nullptr : &it->second;
}

std::vector<WindowHandle> HeadlessPlatform::LiveWindows() const {
    std::vector<WindowHandle> live;
    for (const auto& [value, record] : windows_) {
        if (record.alive) live.push_back(WindowHandle{value});
    }
    return live;
}

HeadlessWindow* HeadlessPlatform::Live(WindowHandle window) {
    const auto it = windows_.find(window.value);
    return it == windows_.end() || !it->second.alive ? nullptr : &it->second;
}

}  // namespace daub
