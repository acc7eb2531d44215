#pragma once

#include "platform/win32/win32_api.h"

#include "platform/handles.h"

namespace daub {

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window.value);
}
inline WindowHandle FromHwnd(HWND window) {
    return WindowHandle{reinterpret_cast<std::uintptr_t>(window)};
}
inline HANDLE ToHandle(MutexHandle mutex) {
    return reinterpret_cast<HANDLE>(mutex.value);
}
inline MutexHandle FromHandle(HANDLE mutex) {
    return MutexHandle{reinterpret_cast<std::uintptr_t>(mutex)};
}
inline HMENU ToHmenu(MenuHandle menu) {
    return reinterpret_cast<HMENU>(menu.value);
}
inline MenuHandle FromHmenu(HMENU menu) {
    return MenuHandle{reinterpret_cast<std::uintptr_t>(menu)};
}
inline HCURSOR ToHcursor(CursorHandle cursor) {
    return reinterpret_cast<HCURSOR>(cursor.value);
}
inline CursorHandle FromHcursor(HCURSOR cursor) {
    return CursorHandle{reinterpret_cast<std::uintptr_t>(cursor)};
}

}  // namespace daub
