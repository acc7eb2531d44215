#pragma once

#include <cstdint>
#include <optional>

#include "platform/window.h"

namespace daub {

// The layer image window "編集レイヤー画像": the edited layer on its own. Closing destroys it;
// the main window's menu makes a new one.
class ViewWnd : public Window {
  public:
    static constexpr const char* kClassName = "ViewWnd";
    static constexpr int kCursor = 130;

    explicit ViewWnd(Platform& platform) : Window(platform) {}

    static void RegisterClass(Platform& platform);
    void Create(WindowHandle mainWindow);

    std::optional<std::intptr_t> HandleMessage(const Message& message) override;

    int closedMarker = 0;

  private:
    WindowHandle mainWindow_;
};

}  // namespace daub
