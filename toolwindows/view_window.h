#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "document/slot_view.h"
#include "document/view_image.h"
#include "platform/window.h"
#include "resources/resource_ids.h"

namespace daub {

// The layer image window "編集レイヤー画像": the edited layer on its own. Closing destroys it;
// the main window's menu makes a new one.
class ViewWnd : public Window {
  public:
    static constexpr const char* kClassName = "ViewWnd";
    static constexpr int kCursor = IDCUR_ARROW;
    static constexpr int kFirstLeft = 540;
    static constexpr int kReopenedLeft = 640;

    explicit ViewWnd(Platform& platform) : Window(platform) {}

    static void RegisterClass(Platform& platform);
    void Create(WindowHandle mainWindow, int left = kFirstLeft);
    // Shows the layer shrunk to fit (never enlarged), centred; the picture is kept for
    // WM_PAINT.
    void Show(const ConstSlotView& layer);

    // Called when the user gives the window a new size: the owner shows the layer again,
    // fitted to it. The window keeps no copy of a layer that may change or go meanwhile.
    std::function<void()> refit;

    std::optional<std::intptr_t> HandleMessage(const Message& message) override;

    int closedMarker = 0;

  private:
    void Draw();

    WindowHandle mainWindow_;
    ViewImage image_;
};

}  // namespace daub
