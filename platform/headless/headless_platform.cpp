#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <filesystem>

#include "files/file_path.h"
#include "platform/message_box.h"
#include "platform/window_styles.h"

namespace daub {
namespace {

// Sizes past this are taken as this, so that a wild size cannot exhaust memory.
constexpr int kLargestSide = 16384;

std::shared_ptr<HeadlessSurface> NewSurface(const PixelRect& rect, std::uint32_t background) {
    return std::make_shared<HeadlessSurface>(std::clamp(rect.Width(), 0, kLargestSide),
                                             std::clamp(rect.Height(), 0, kLargestSide),
                                             background);
}

// The system colours a class background may name, as Windows 10 has them.
std::uint32_t SystemColour(int index) {
    switch (index) {
        case 0:  // COLOR_SCROLLBAR
            return 0xC8C8C8;
        case 12:  // COLOR_APPWORKSPACE
            return 0xABABAB;
        case 15:  // COLOR_BTNFACE
            return 0xF0F0F0;
        default:  // COLOR_WINDOW and the rest
            return 0xFFFFFF;
    }
}

}  // namespace

HeadlessPlatform::HeadlessPlatform(HeadlessKernel& kernel, const ResourceScript* resources)
    : kernel_(kernel), resources_(resources) {
    std::error_code error;
    currentDirectory_ = Utf8FromPath(std::filesystem::current_path(error));
}

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
    messageBoxes_.push_back({owner, text, caption, type, answer, capture_});
    return answer;
}

bool HeadlessPlatform::RegisterWindowClass(const WindowClass& windowClass) {
    return classes_.emplace(windowClass.name, windowClass).second;
}

WindowHandle HeadlessPlatform::NewWindow(Window* object, const WindowSpec& spec) {
    const WindowHandle handle{nextWindow_++};
    HeadlessWindow& record = windows_[handle.value];
    record.object = object;
    record.spec = spec;
    record.dialog = spec.className == kDialogClass;
    record.rect = {spec.x, spec.y, spec.x + spec.width, spec.y + spec.height};
    record.surface = NewSurface(record.rect, Background(record));
    return handle;
}

WindowHandle HeadlessPlatform::CreateNativeWindow(Window& window, const WindowSpec& spec) {
    if (!FindClass(spec.className)) return {};
    const WindowHandle handle = NewWindow(&window, spec);
    HeadlessWindow& record = windows_[handle.value];
    window.Attach(handle);
    Send(handle, {wm::kCreate, 0, 0});
    if ((spec.style & ws::kVisible) != 0 && Live(handle)) {
        record.visible = true;
        MarkForPaint(record);
    }
    return handle;
}

void HeadlessPlatform::ShowNativeWindow(WindowHandle window, int showCommand) {
    HeadlessWindow* record = Live(window);
    if (!record) return;
    record->showCommand = showCommand;
    const bool wasVisible = record->visible;
    record->visible = showCommand != sw::kHide;
    if (record->visible && !wasVisible) MarkForPaint(*record);
}

void HeadlessPlatform::UpdateNativeWindow(WindowHandle window) {
    HeadlessWindow* record = Live(window);
    if (!record) return;
    ++record->updates;
    if (record->visible && record->needsPaint) Paint(window);
}

// The windows it owns go first, as DestroyWindow takes them with their owner.
void HeadlessPlatform::DestroyNativeWindow(WindowHandle window) {
    if (!Live(window)) return;
    for (const WindowHandle other : LiveWindows()) {
        const HeadlessWindow* owned = Live(other);
        if (owned && owned->spec.parent == window) DestroyNativeWindow(other);
    }
    HeadlessWindow* record = Live(window);
    if (!record) return;
    Send(window, {wm::kDestroy, 0, 0});
    record->alive = false;
    record->visible = false;
    if (capture_ == window) capture_ = {};
    accelerators_.erase(window.value);
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

std::intptr_t HeadlessPlatform::SendWindowMessage(WindowHandle window, const Message& message) {
    return Send(window, message);
}

PixelRect HeadlessPlatform::WindowRect(WindowHandle window) {
    const HeadlessWindow* record = Live(window);
    return record ? record->rect : PixelRect{};
}

// Windows have no frame here: the client area starts at the window's corner.
PixelPoint HeadlessPlatform::ScreenToClient(WindowHandle window, PixelPoint screen) {
    const PixelRect rect = WindowRect(window);
    return {screen.x - rect.left, screen.y - rect.top};
}

PixelRect HeadlessPlatform::ClientRect(WindowHandle window) {
    const PixelRect rect = WindowRect(window);
    return {0, 0, rect.Width(), rect.Height()};
}

void HeadlessPlatform::MoveNativeWindow(WindowHandle window, int x, int y, int width, int height,
                                        bool repaint) {
    HeadlessWindow* record = Live(window);
    if (!record) return;
    const bool resized = width != record->rect.Width() || height != record->rect.Height();
    record->rect = {x, y, x + width, y + height};
    if (resized) {
        record->surface = NewSurface(record->rect, Background(*record));
        MarkForPaint(*record);
        Send(window, {wm::kSize, 0, MakeLParam(std::max(width, 0), std::max(height, 0))});
    } else if (repaint) {
        MarkForPaint(*record);
    }
}

void HeadlessPlatform::InvalidateWindow(WindowHandle window) {
    HeadlessWindow* record = Live(window);
    if (!record) return;
    ++record->invalidations;
    ++record->erasingInvalidations;
    MarkForPaint(*record);
}

void HeadlessPlatform::InvalidateWithoutErase(WindowHandle window) {
    HeadlessWindow* record = Live(window);
    if (!record) return;
    ++record->invalidations;
    record->needsPaint = true;
}

void HeadlessPlatform::RedrawNow(WindowHandle window) {
    InvalidateWindow(window);
    if (Live(window)) Paint(window);
}

void HeadlessPlatform::MarkForPaint(HeadlessWindow& record) {
    record.needsPaint = true;
    record.needsErase = true;
}

// BeginPaint: the background goes first when the window was invalidated.
std::unique_ptr<DeviceContext> HeadlessPlatform::PaintContext(WindowHandle window) {
    HeadlessWindow* record = Live(window);
    if (!record) return std::make_unique<HeadlessDeviceContext>(NewSurface({}, 0));
    if (record->needsErase) record->surface->Erase(Background(*record));
    record->needsErase = false;
    record->needsPaint = false;
    return std::make_unique<HeadlessDeviceContext>(record->surface);
}

std::unique_ptr<DeviceContext> HeadlessPlatform::ClientContext(WindowHandle window) {
    HeadlessWindow* record = Live(window);
    if (!record) return std::make_unique<HeadlessDeviceContext>(NewSurface({}, 0));
    return std::make_unique<HeadlessDeviceContext>(record->surface);
}

void HeadlessPlatform::Paint(WindowHandle window) {
    HeadlessWindow* record = Live(window);
    if (!record) return;
    record->needsPaint = false;
    Send(window, {wm::kPaint, 0, 0});
}

void HeadlessPlatform::PaintPending() {
    for (const WindowHandle window : LiveWindows()) {
        const HeadlessWindow* record = Live(window);
        if (record && record->visible && record->needsPaint) Paint(window);
    }
}

std::uint32_t HeadlessPlatform::Background(const HeadlessWindow& record) const {
    if (record.dialog) return SystemColour(15);
    const WindowClass* windowClass = FindClass(record.spec.className);
    if (!windowClass) return SystemColour(5);
    const ClassBackground& background = windowClass->background;
    return background.systemColour ? SystemColour(static_cast<int>(background.value))
                                   : background.value;
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

// The little of DefWindowProc and DefDlgProc that the program relies on. A dialog's own
// procedure decides what closing it means.
std::intptr_t HeadlessPlatform::DefaultHandling(WindowHandle window, const Message& message) {
    HeadlessWindow* record = Live(window);
    if (!record) return 0;
    switch (message.id) {
        case wm::kClose:
            if (!record->dialog) DestroyNativeWindow(window);
            return 0;
        case wm::kPaint:
            record->needsPaint = false;
            record->needsErase = false;
            return 0;
        case wm::kSetCursor: {
            const WindowClass* windowClass = FindClass(record->spec.className);
            const int id = windowClass && windowClass->cursorResource != 0
                               ? windowClass->cursorResource
                               : kArrowCursor;
            CursorHandle cursor = LoadCursorResource(id);
            SetCursor(cursor ? cursor : CursorHandle{static_cast<std::uintptr_t>(kArrowCursor)});
            return 1;
        }
        default:
            return 0;
    }
}

void HeadlessPlatform::MoveMouse(WindowHandle window, int x, int y) {
    constexpr int kHitClient = 1;  // HTCLIENT
    if (!capture_) {
        Send(window, {wm::kSetCursor, window.value, MakeLParam(kHitClient, wm::kMouseMove)});
    }
    Send(window, {wm::kMouseMove, 0, MakeLParam(x, y)});
}

const WindowClass* HeadlessPlatform::FindClass(const std::string& name) const {
    const auto it = classes_.find(name);
    return it == classes_.end() ? nullptr : &it->second;
}

const HeadlessWindow* HeadlessPlatform::Find(WindowHandle window) const {
    const auto it = windows_.find(window.value);
    return it == windows_.end() ? nullptr : &it->second;
}

const HeadlessSurface* HeadlessPlatform::Surface(WindowHandle window) const {
    const HeadlessWindow* record = Find(window);
    return record ? record->surface.get() : nullptr;
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

const HeadlessWindow* HeadlessPlatform::Live(WindowHandle window) const {
    const auto it = windows_.find(window.value);
    return it == windows_.end() || !it->second.alive ? nullptr : &it->second;
}

}  // namespace daub
