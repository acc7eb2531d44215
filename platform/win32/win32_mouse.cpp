#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_platform.h"

namespace daub {

// A cursor from the resources is shared and never destroyed.
CursorHandle Win32Platform::LoadCursorResource(int id) {
    return FromHcursor(ClassCursor(id));
}

void Win32Platform::SetCursor(CursorHandle cursor) {
    ::SetCursor(ToHcursor(cursor));
}

void Win32Platform::SetCapture(WindowHandle window) {
    ::SetCapture(ToHwnd(window));
}

void Win32Platform::ReleaseCapture() {
    ::ReleaseCapture();
}

}  // namespace daub
