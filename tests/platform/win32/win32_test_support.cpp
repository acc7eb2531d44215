#include "tests/platform/win32/win32_test_support.h"

#include "platform/window_styles.h"

namespace daub::win32test {

Win32Platform& TestPlatform() {
    static Win32Platform platform(GetModuleHandleW(nullptr));
    return platform;
}

const std::string& TestWindowClass() {
    static const std::string name = [] {
        WindowClass windowClass;
        windowClass.name = "DaubixTestWindow";
        windowClass.background = ClassBackground::Solid(0x969696);
        TestPlatform().RegisterWindowClass(windowClass);
        return windowClass.name;
    }();
    return name;
}

WindowHandle RecordingWindow::CreateTopLevel(const std::string& title, WindowHandle parent,
                                             std::uint32_t style) {
    WindowSpec spec;
    spec.className = TestWindowClass();
    spec.parent = parent;
    spec.title = title;
    spec.style = style ? style : ws::kOverlappedWindow;
    spec.x = 10;
    spec.y = 10;
    spec.width = 200;
    spec.height = 150;
    return Create(spec);
}

std::optional<std::intptr_t> RecordingWindow::HandleMessage(const Message& message) {
    log.push_back(message);
    if (onMessage) onMessage(message, Handle());
    if (auto answer = answers.find(message.id); answer != answers.end()) return answer->second;
    return std::nullopt;
}

std::vector<Message> RecordingWindow::Received(unsigned id) const {
    std::vector<Message> found;
    for (const Message& message : log) {
        if (message.id == id) found.push_back(message);
    }
    return found;
}

// The quit message comes only after every message posted before it.
void RunPostedMessages() {
    TestPlatform().PostQuit(0);
    TestPlatform().RunMessageLoop();
}

}  // namespace daub::win32test
