#pragma once

#include <string>

namespace daub {

// Where the core reports a failure to the user: the platform layer shows a message box,
// tests record the text and caption.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // ownedByWindow: the box is modal to the main window rather than free-standing.
    virtual void Report(const std::string& text, const std::string& caption,
                        bool ownedByWindow) = 0;
};

}  // namespace daub
