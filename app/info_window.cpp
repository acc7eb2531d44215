#include "app/info_window.h"

#include "app/command_ids.h"
#include "platform/platform.h"
#include "platform/window_styles.h"

namespace daub {

void DaubChild::RegisterClass(Platform& platform) {
    platform.RegisterWindowClass(ToolWindowClass(kClassName, kCursor));
}

void DaubChild::Create(WindowHandle mainWindow) {
    mainWindow_ = mainWindow;
    WindowSpec spec;
    spec.className = kClassName;
    spec.parent = mainWindow;
    spec.title = "座標";
    spec.style = 0xD0C00000;
    spec.x = 540;
    spec.y = 440;
    spec.width = width;
    spec.height = height;
    Window::Create(spec);
}

std::optional<std::intptr_t> DaubChild::HandleMessage(const Message& message) {
    switch (message.id) {
        case wm::kPaint: {
            // Validates the area; the lines are drawn the same way as on every change.
            GetPlatform().PaintContext(Handle());
            Paint();
            return 0;
        }
        case wm::kLButtonDown:
            return OnButtonDown(message);
        case wm::kLButtonUp:
            return OnButtonUp(message);
        case wm::kMouseMove:
            if (InMaskZone(message) && !dragging) ShowMaskCursor();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void DaubChild::Paint() {
    auto context = GetPlatform().ClientContext(Handle());
    if (!context) return;
    for (const InfoLine& line : InfoLines(values))
        context->DrawString(0, line.y, line.text, line.textColour, line.background);
}

bool DaubChild::InMaskZone(const Message& message) const {
    return PointY(message.lParam) > values.maskLineY;
}

void DaubChild::ShowMaskCursor() {
    GetPlatform().SetCursor(GetPlatform().LoadCursorResource(kMaskCursor));
}

// Below the mask line a press switches the mask; above it, it starts moving the window.
std::intptr_t DaubChild::OnButtonDown(const Message& message) {
    Platform& platform = GetPlatform();
    platform.SetCapture(Handle());
    if (dragging) return 0;
    if (InMaskZone(message)) {
        ShowMaskCursor();
        values.maskOn = values.maskOn == 1 ? 0 : 1;
        if (mainWindow_) platform.SendWindowMessage(mainWindow_, {notify::kMaskSwitch, 0, 0});
        Paint();
        return 0;
    }
    dragging = 1;
    const PixelRect rect = platform.WindowRect(Handle());
    windowLeft = rect.left;
    windowTop = rect.top;
    pressX = PointX(message.lParam);
    pressY = PointY(message.lParam);
    return 0;
}

// The window jumps to where the mouse was let go; it does not follow the mouse on the way.
std::intptr_t DaubChild::OnButtonUp(const Message& message) {
    Platform& platform = GetPlatform();
    platform.ReleaseCapture();
    if (InMaskZone(message) && !dragging) {
        ShowMaskCursor();
        return 0;
    }
    if (dragging) {
        const int x = windowLeft + PointX(message.lParam) - pressX;
        const int y = windowTop + PointY(message.lParam) - pressY;
        platform.MoveNativeWindow(Handle(), x, y, width, height, true);
        dragging = 0;
        Paint();
    }
    return 0;
}

}  // namespace daub
