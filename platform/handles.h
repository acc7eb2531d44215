#pragma once

#include <cstdint>

namespace daub {

// Opaque handles of the platform's objects. Portable code only compares them and hands them
// back; a zero value plays the part of a null handle.
struct WindowHandle {
    std::uintptr_t value = 0;

    explicit operator bool() const { return value != 0; }
    bool operator==(const WindowHandle&) const = default;
};

struct MutexHandle {
    std::uintptr_t value = 0;

    explicit operator bool() const { return value != 0; }
    bool operator==(const MutexHandle&) const = default;
};

struct MenuHandle {
    std::uintptr_t value = 0;

    explicit operator bool() const { return value != 0; }
    bool operator==(const MenuHandle&) const = default;
};

struct CursorHandle {
    std::uintptr_t value = 0;

    explicit operator bool() const { return value != 0; }
    bool operator==(const CursorHandle&) const = default;
};

}  // namespace daub
