// The mouse wheel: it scrolls the view a line a notch, across with Shift, and with Ctrl it
// steps the zoom as the zoom keys do, anchored at the pointer.
#include "app/main_window.h"
#include "document/scroll_requests.h"
#include "document/view_image.h"
#include "platform/platform.h"

namespace daub {

std::intptr_t TDaubWindow::OnMouseWheel(const Message& message) {
    wheelRemainder_ += WheelDelta(message.wParam);
    const int notches = wheelRemainder_ / kWheelDelta;
    wheelRemainder_ -= notches * kWheelDelta;
    const int keys = LowWord(message.wParam);
    if (keys & mk::kControl) {
        const PixelPoint at = GetPlatform().ScreenToClient(
            Handle(), {PointX(message.lParam), PointY(message.lParam)});
        // The anchor is a view position, as the zoom tool's click gives it.
        const Point view{at.x - kCanvasMargin, at.y - kCanvasMargin};
        for (int i = 0; i < (notches < 0 ? -notches : notches); ++i)
            StepZoom(notches > 0, view, ZoomAnchor::kShownPixel);
        return 0;
    }
    // Turning the wheel away from the user moves the view up, or left.
    const unsigned bar = (keys & mk::kShift) ? wm::kHScroll : wm::kVScroll;
    const int request = notches > 0 ? scroll_request::kLineUp : scroll_request::kLineDown;
    for (int i = 0; i < (notches < 0 ? -notches : notches); ++i)
        OnScroll({bar, static_cast<std::uintptr_t>(request), 0});
    return 0;
}

}  // namespace daub
