#include "toolwindows/view_window.h"

#include "document/view_layout.h"
#include "document/view_stretch.h"
#include "platform/platform.h"
#include "platform/window_styles.h"
#include "toolwindows/satellite_messages.h"

namespace daub {

void ViewWnd::RegisterClass(Platform& platform) {
    platform.RegisterWindowClass(ToolWindowClass(kClassName, kCursor));
}

void ViewWnd::Create(WindowHandle mainWindow, int left) {
    mainWindow_ = mainWindow;
    WindowSpec spec;
    spec.className = kClassName;
    spec.parent = mainWindow;
    spec.title = "編集レイヤー画像";
    spec.style = 0xD0CF0000;
    spec.x = left;
    spec.y = 40;
    spec.width = 200;
    spec.height = 200;
    Window::Create(spec);
}

void ViewWnd::Show(const ConstSlotView& layer) {
    if (!layer || layer.width <= 0 || layer.height <= 0) return;
    const PixelRect client = GetPlatform().ClientRect(Handle());
    const auto placement =
        LayerImagePlacement(layer.width, layer.height, client.Width(), client.Height());
    if (!placement) return;
    image_.Resize(client.Width(), client.Height());
    image_.Fill(0xFFFFFF);
    StretchInto(image_, *placement, layer, Rect{0, 0, layer.width, layer.height});
    Draw();
}

void ViewWnd::Draw() {
    auto context = GetPlatform().ClientContext(Handle());
    if (!context || image_.width <= 0) return;
    context->DrawPixels(0, 0, {image_.pixels.data(), image_.width, image_.height, image_.stride},
                        image_.width, image_.height);
}

std::optional<std::intptr_t> ViewWnd::HandleMessage(const Message& message) {
    if (message.id == wm::kPaint) {
        GetPlatform().PaintContext(Handle());
        Draw();
        return 0;
    }
    if (message.id == wm::kSize) {
        if (refit) refit();
        return 0;
    }
    if (message.id == wm::kCreate) {
        closedMarker = 0;
        return 0;
    }
    if (message.id == wm::kDestroy) {
        closedMarker = kClosedMarker;
        if (mainWindow_)
            GetPlatform().SendWindowMessage(mainWindow_, {notify::kLayerImageGone, 0, 0});
        return 0;
    }
    return std::nullopt;
}

}  // namespace daub
