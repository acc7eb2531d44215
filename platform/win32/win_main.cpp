#include "platform/win32/win32_api.h"

#include "app/paint_app.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    daub::Win32Platform platform(instance);
    daub::StandardConfigurationSystem system(platform.ModulePath());
    daub::PaintApp app(platform, system, showCommand);
    return app.Run();
}
