#pragma once

#include <windows.h>

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

}  // namespace daub
