#include "platform/win32/window_procedure.h"

#include "platform/win32/win32_handles.h"
#include "platform/window.h"

namespace daub {

namespace {

// The object travels in CreateWindowEx's parameter and is kept in the window's user data.
Window* AttachOnCreate(HWND hwnd, LPARAM lParam) {
    auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    if (window) window->Attach(FromHwnd(hwnd));
    return window;
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    Window* window = id == WM_NCCREATE
                         ? AttachOnCreate(hwnd, lParam)
                         : reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    std::optional<std::intptr_t> result;
    if (window) result = window->HandleMessage({id, wParam, lParam});
    if (window && id == WM_NCDESTROY) {
        ForgetWindowObject(hwnd);
        window->Detach();
    }
    return result ? static_cast<LRESULT>(*result) : DefWindowProcW(hwnd, id, wParam, lParam);
}

void ForgetWindowObject(HWND hwnd) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
}

}  // namespace daub
