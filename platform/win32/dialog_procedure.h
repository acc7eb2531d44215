#pragma once

#include "platform/win32/win32_api.h"

namespace daub {

// The dialog procedure of modeless dialogs: hands every message to the window object that
// came in CreateDialogParam's parameter, as WindowProcedure does for windows. The object is
// kept where WindowProcedure keeps its own, so ForgetWindowObject lets go of either.
INT_PTR CALLBACK ModelessDialogProcedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam);

// The modeless dialog that the window belongs to (itself or an ancestor), or null; the message
// loop lets IsDialogMessage see that dialog's keys.
HWND ModelessDialogOf(HWND hwnd);

}  // namespace daub
