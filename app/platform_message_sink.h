#pragma once

#include <string>

#include "document/message_sink.h"
#include "platform/platform.h"

namespace daub {

// Shows what the file operations report in the platform's message boxes: owned by the
// window when they ask for it, free-standing otherwise.
class PlatformMessageSink : public MessageSink {
  public:
    PlatformMessageSink(Platform& platform, WindowHandle owner)
        : platform_(platform), owner_(owner) {}

    void Report(const std::string& text, const std::string& caption, bool ownedByWindow) override {
        platform_.ShowMessageBox(ownedByWindow ? owner_ : WindowHandle{}, text, caption, 0);
    }

  private:
    Platform& platform_;
    WindowHandle owner_;
};

}  // namespace daub
