#include "platform/win32/dialog_procedure.h"

#include "platform/win32/win32_handles.h"
#include "platform/win32/window_procedure.h"
#include "platform/window.h"

namespace daub {

namespace {

Window* AttachOnInit(HWND hwnd, LPARAM lParam) {
    auto* window = reinterpret_cast<Window*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    if (window) window->Attach(FromHwnd(hwnd));
    return window;
}

// These few give their result as the dialog procedure's return value; every other message
// reads it from DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT id) {
    switch (id) {
        case WM_INITDIALOG:
        case WM_CHARTOITEM:
        case WM_COMPAREITEM:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_QUERYDRAGICON:
        case WM_VKEYTOITEM:
            return true;
        default:
            return false;
    }
}

// An object that leaves WM_INITDIALOG alone gets the usual focus on the first control.
INT_PTR DialogResult(HWND hwnd, UINT id, const std::optional<std::intptr_t>& result) {
    if (!result) return id == WM_INITDIALOG ? TRUE : FALSE;
    if (ReturnsResultDirectly(id)) return static_cast<INT_PTR>(*result);
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, static_cast<LONG_PTR>(*result));
    return TRUE;
}

// Only a dialog-class window has a dialog procedure to read.
bool IsModelessDialog(HWND hwnd) {
    if (GetClassLongPtrW(hwnd, GCW_ATOM) != reinterpret_cast<ULONG_PTR>(WC_DIALOG)) return false;
    return reinterpret_cast<DLGPROC>(GetWindowLongPtrW(hwnd, DWLP_DLGPROC)) ==
           ModelessDialogProcedure;
}

}  // namespace

INT_PTR CALLBACK ModelessDialogProcedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    Window* window = id == WM_INITDIALOG
                         ? AttachOnInit(hwnd, lParam)
                         : reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    std::optional<std::intptr_t> result;
    if (window) result = window->HandleMessage({id, wParam, lParam});
    if (window && id == WM_NCDESTROY) {
        ForgetWindowObject(hwnd);
        window->Detach();
    }
    return DialogResult(hwnd, id, result);
}

HWND ModelessDialogOf(HWND hwnd) {
    while (hwnd) {
        if (IsModelessDialog(hwnd)) return hwnd;
        if (!(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)) return nullptr;
        hwnd = GetParent(hwnd);
    }
    return nullptr;
}

}  // namespace daub
