#include "platform/win32/win32_api.h"

#include "app/daubix_main.h"
#include "platform/win32/win32_platform.h"

// Only the Win32 side of the start: the platform over this module, then the program.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    daub::Win32Platform platform(instance);
    return daub::RunDaubix(platform, showCommand);
}
