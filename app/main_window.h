#pragma once

#include <cstdint>
#include <optional>

#include "document/document_state.h"
#include "platform/message_table.h"
#include "platform/window.h"

namespace daub {

// The main frame window. It owns the whole document; satellites, menus and the handlers of
// the canvas join it as they are built.
class TDaubWindow : public Window {
  public:
    static constexpr const char* kClassName = "DaubWindow";
    static constexpr const char* kTitle = "Daubix";
    static constexpr std::uint32_t kBackground = 0x969696;
    static constexpr int kCursor = 121;

    // Sets up the document state, registers the window class and creates the window.
    explicit TDaubWindow(Platform& platform);

    std::optional<std::intptr_t> HandleMessage(const Message& message) override;

    DocumentState doc;

  private:
    std::intptr_t OnDestroy(const Message& message);
    void RegisterClasses();
    void CreateMainWindow();
    void InitScrollBars();

    static const MessageEntry<TDaubWindow> kMessages[];
};

}  // namespace daub
