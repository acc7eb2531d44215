#pragma once

#include "platform/window.h"
#include "resources/resource_ids.h"

namespace daub {

// The layer window "レイヤー": the list of layers. Its rows and clicks come with the layer
// commands; for now it is the window with its place and size.
class LayerWnd : public Window {
  public:
    static constexpr const char* kClassName = "LayerWnd";
    static constexpr int kCursor = IDCUR_ARROW;
    static constexpr int kDragCursor = IDCUR_DRAG;

    explicit LayerWnd(Platform& platform) : Window(platform) {}

    // Registers the window class (once, by the main window).
    static void RegisterClass(Platform& platform);
    void Create(WindowHandle mainWindow);

    int command = 0;
    int menuOffsetX = 0;
    int menuOffsetY = 20;
    int windowWidth = 150;
    int restoreHeight = 200;
    int listTop = 20;
    int rowHeight = 20;
};

}  // namespace daub
