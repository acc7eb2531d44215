// The zoom keys: a step in or out, anchored at the middle of what is shown.
#include "app/main_window.h"
#include "document/zoom_steps.h"
#include "platform/platform.h"
#include "tools/floating_range.h"

namespace daub {
namespace {

constexpr int kVkPrior = 0x21;
constexpr int kVkNext = 0x22;
constexpr int kVkAdd = 0x6B;
constexpr int kVkSubtract = 0x6D;
constexpr int kVkS = 0x53;

}  // namespace

// The zoom keys and S are the window's; other keys go to the left tool, and what it does not
// take goes on to the platform.
std::optional<std::intptr_t> TDaubWindow::OnKeyDown(const Message& message) {
    switch (static_cast<int>(message.wParam)) {
        case kVkNext:
        case kVkAdd:
            StepZoom(true, AnchorOfZoomKeys());
            return 0;
        case kVkPrior:
        case kVkSubtract:
            StepZoom(false, AnchorOfZoomKeys());
            return 0;
        case kVkS:
            PutBackFloatingRange(doc, Host());
            return 0;
        default:
            if (KeyToLeftTool(static_cast<int>(message.wParam))) return 0;
            return std::nullopt;
    }
}

bool TDaubWindow::KeyToLeftTool(int key) {
    return doc.HasDocument() && tools_.For(doc.leftTool).Key(doc, Host(), key);
}

Point TDaubWindow::AnchorOfZoomKeys() {
    const PixelRect client = GetPlatform().ClientRect(Handle());
    return ZoomKeyAnchor(doc, client.Width(), client.Height());
}

// The canvas point under the anchor stays there; a zoom-out erases what the picture no
// longer covers.
void TDaubWindow::StepZoom(bool in, Point anchor, ZoomAnchor kind) {
    doc.zoomAnchored = 1;
    const ZoomStep step = in ? ZoomIn(doc) : ZoomOut(doc);
    Info().values.zoom = doc.zoom;
    Info().Paint();
    if (step.endPendingOp) EndPendingOperation(0);
    const PixelRect client = GetPlatform().ClientRect(Handle());
    const auto layout = kind == ZoomAnchor::kKeys ? RelayoutForZoom : RelayoutAtShownPixel;
    ApplyScrollBars(layout(doc, anchor.x, anchor.y, step.oldZoom, client.Width(), client.Height()));
    if (step.redrawFloatingRange) RedrawFloatingRange(doc);
    if (step.eraseBackground) GetPlatform().RedrawNow(Handle());
    Repaint();
    doc.zoomAnchored = 0;
}

}  // namespace daub
