#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/window.h"
#include "platform/window_styles.h"

namespace daub::test {

// A window that keeps every message it gets; react, when set, answers them (nullopt leaves
// a message to the default handling).
class RecordingWindow : public Window {
  public:
    using Window::Window;

    std::optional<std::intptr_t> HandleMessage(const Message& message) override {
        received.push_back(message);
        return react ? react(message) : std::nullopt;
    }

    WindowHandle Make(const WindowSpec& spec) { return Create(spec); }

    std::vector<Message> Received(unsigned id) const {
        std::vector<Message> matching;
        for (const Message& message : received) {
            if (message.id == id) matching.push_back(message);
        }
        return matching;
    }

    std::vector<Message> received;
    std::function<std::optional<std::intptr_t>(const Message&)> react;
};

inline constexpr const char* kTestClass = "TestWnd";

// Registers the test class (grey background, cursor 5) and makes a visible top-level window.
inline WindowHandle MakeTestWindow(HeadlessPlatform& platform, RecordingWindow& window,
                                   WindowSpec spec = {}) {
    WindowClass windowClass;
    windowClass.name = kTestClass;
    windowClass.background = ClassBackground::Solid(0x969696);
    windowClass.cursorResource = 5;
    platform.RegisterWindowClass(windowClass);
    spec.className = kTestClass;
    spec.style |= ws::kVisible;
    if (spec.width == 0) spec.width = 40;
    if (spec.height == 0) spec.height = 30;
    return window.Make(spec);
}

}  // namespace daub::test
