#include "toolwindows/layer_window.h"

#include "platform/platform.h"
#include "platform/window_styles.h"

namespace daub {

void LayerWnd::RegisterClass(Platform& platform) {
    platform.RegisterWindowClass(ToolWindowClass(kClassName, kCursor));
}

void LayerWnd::Create(WindowHandle mainWindow) {
    WindowSpec spec;
    spec.className = kClassName;
    spec.parent = mainWindow;
    spec.title = "レイヤー";
    spec.style = 0xD0E40000;
    spec.exStyle = ws_ex::kAcceptFiles;
    spec.x = 540;
    spec.y = 240;
    spec.width = windowWidth;
    spec.height = restoreHeight;
    Window::Create(spec);
}

}  // namespace daub
