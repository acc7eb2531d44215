#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/win32_platform.h"
#include "platform/window.h"

namespace daub::win32test {

// The backend as the program uses it, over the test program's own module and resources.
Win32Platform& TestPlatform();

// A window class of plain top-level windows for the tests, registered once.
const std::string& TestWindowClass();

// A window object that records every message it gets and answers from a table; a message
// without an answer is left to the platform's default.
class RecordingWindow : public Window {
  public:
    explicit RecordingWindow(Platform& platform) : Window(platform) {}

    WindowHandle CreateTopLevel(const std::string& title, WindowHandle parent = {},
                                std::uint32_t style = 0);

    std::optional<std::intptr_t> HandleMessage(const Message& message) override;

    // Messages with this id, in the order they came.
    std::vector<Message> Received(unsigned id) const;

    std::map<unsigned, std::intptr_t> answers;
    // Called before the answer is given, with the handle the object knew at that moment.
    std::function<void(const Message&, WindowHandle)> onMessage;
    std::vector<Message> log;
};

// Runs the platform's message loop until everything posted so far has been handled.
void RunPostedMessages();

}  // namespace daub::win32test
