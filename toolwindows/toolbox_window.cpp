#include "toolwindows/toolbox_window.h"

#include "toolwindows/satellite_messages.h"
#include "toolwindows/satellite_picture.h"
#include "toolwindows/toolbox_picture.h"

namespace daub {

ToolboxWindow::ToolboxWindow(Platform& platform)
    : SatelliteDialog(platform, kTemplate, notify::kToolbox),
      bitmap_(platform.LoadBitmapResource(kBitmapName)) {}

std::optional<std::intptr_t> ToolboxWindow::HandleMessage(const Message& message) {
    switch (message.id) {
        case wm::kPaint:
            if (auto context = GetPlatform().PaintContext(Handle())) Draw(*context);
            return 0;
        case wm::kLButtonDown:
            Click(PointX(message.lParam), PointY(message.lParam), leftTool);
            return std::nullopt;
        case wm::kRButtonDown:
            Click(PointX(message.lParam), PointY(message.lParam), rightTool);
            return std::nullopt;
        default:
            return SatelliteDialog::HandleMessage(message);
    }
}

// Every click reports, even one that chose nothing: the main window takes it as a change.
void ToolboxWindow::Click(int x, int y, ToolKind& buttonTool) {
    const ToolboxHit hit = HitToolbox(x, y);
    if (hit.tool) buttonTool = *hit.tool;
    if (hit.penWidth) penWidth = *hit.penWidth;
    Repaint();
    Notify();
}

void ToolboxWindow::Repaint() {
    if (!Handle()) return;
    if (auto context = GetPlatform().ClientContext(Handle())) Draw(*context);
}

void ToolboxWindow::Draw(DeviceContext& context) {
    const PixelRect client = GetPlatform().ClientRect(Handle());
    const PixelImage picture = bitmap_ ? bitmap_->Image() : PixelImage{};
    RenderToolbox(image_, client.Width(), client.Height(), bitmap_ ? &picture : nullptr,
                  bitmapHeight, {leftTool, rightTool, penWidth});
    ShowPicture(context, image_);
}

}  // namespace daub
