#pragma once

#include <cstdint>
#include <optional>

#include "app/info_lines.h"
#include "platform/window.h"
#include "resources/resource_ids.h"

namespace daub {

// The information window "座標": four lines of what the mouse and the tools see, and the
// switch of the mask. The main window writes `values` and then calls Paint.
class DaubChild : public Window {
  public:
    static constexpr const char* kClassName = "DaubChild";
    static constexpr int kCursor = IDCUR_CROSS;
    static constexpr int kMaskCursor = IDCUR_ARROW;

    explicit DaubChild(Platform& platform) : Window(platform) {}

    static void RegisterClass(Platform& platform);
    void Create(WindowHandle mainWindow);

    std::optional<std::intptr_t> HandleMessage(const Message& message) override;
    void Paint();

    int dragging = 0;
    int width = 140;
    int height = 110;
    int pressX = 0, pressY = 0;
    int windowLeft = 0, windowTop = 0;
    InfoValues values;

  private:
    std::intptr_t OnButtonDown(const Message& message);
    std::intptr_t OnButtonUp(const Message& message);
    bool InMaskZone(const Message& message) const;
    void ShowMaskCursor();

    WindowHandle mainWindow_;
};

}  // namespace daub
