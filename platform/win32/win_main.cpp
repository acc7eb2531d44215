#include <windows.h>

#include "app/paint_app.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    daub::Win32Platform platform(instance);
    daub::PaintApp app(platform, showCommand);
    return app.Run();
}
