#include "app/satellites.h"

namespace daub {

void Satellites::RegisterClasses(Platform& platform) {
    DaubChild::RegisterClass(platform);
    LayerWnd::RegisterClass(platform);
    ViewWnd::RegisterClass(platform);
}

void Satellites::CreateWindows(Platform& platform, WindowHandle mainWindow) {
    infoWindow = std::make_unique<DaubChild>(platform);
    layerWindow = std::make_unique<LayerWnd>(platform);
    infoWindow->Create(mainWindow);
    layerWindow->Create(mainWindow);
}

void Satellites::DestroyWindows() {
    viewWindow.reset();
    layerWindow.reset();
    infoWindow.reset();
}

}  // namespace daub
