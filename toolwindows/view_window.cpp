#include "toolwindows/view_window.h"

#include "app/command_ids.h"
#include "platform/platform.h"
#include "platform/window_styles.h"

namespace daub {

void ViewWnd::RegisterClass(Platform& platform) {
    platform.RegisterWindowClass(ToolWindowClass(kClassName, kCursor));
}

void ViewWnd::Create(WindowHandle mainWindow) {
    mainWindow_ = mainWindow;
    WindowSpec spec;
    spec.className = kClassName;
    spec.parent = mainWindow;
    spec.title = "編集レイヤー画像";
    spec.style = 0xD0CF0000;
    spec.x = 540;
    spec.y = 40;
    spec.width = 200;
    spec.height = 200;
    Window::Create(spec);
}

std::optional<std::intptr_t> ViewWnd::HandleMessage(const Message& message) {
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
