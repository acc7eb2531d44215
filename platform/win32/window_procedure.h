#pragma once

#include "platform/win32/win32_api.h"

namespace daub {

// The window procedure of every class the program registers: the one place where Win32
// messages are handed to the window objects.
LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);

// Lets the object go: no message reaches it after this.
void ForgetWindowObject(HWND hwnd);

}  // namespace daub
