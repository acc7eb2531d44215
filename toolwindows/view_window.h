#pragma once

#include <cstdint>
#include <optional>
#include <vector>

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
    // Shows the layer shrunk to fit (never enlarged), centred. The window keeps a copy of
    // the layer's pixels, so that a new size can be fitted again once the layer itself is
    // changed or gone.
    void Show(const SlotView& layer);

    std::optional<std::intptr_t> HandleMessage(const Message& message) override;

    int closedMarker = 0;

  private:
    // The picture of the layer last shown, fitted to the client area as it is now.
    void Compose();
    void Draw();

    WindowHandle mainWindow_;
    std::vector<std::uint8_t> layerPixels_;
    SlotView layer_;  // over layerPixels_; empty before the first Show
    ViewImage image_;
};

}  // namespace daub
