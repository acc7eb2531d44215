#pragma once

#include <cstdint>

namespace daub {

// A window message as the platform delivers it; the numbers are Win32's own, so that portable
// code can name them without <windows.h>.
struct Message {
    unsigned id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

namespace wm {
inline constexpr unsigned kCreate = 0x0001;
inline constexpr unsigned kDestroy = 0x0002;
inline constexpr unsigned kSize = 0x0005;
inline constexpr unsigned kPaint = 0x000F;
inline constexpr unsigned kClose = 0x0010;
inline constexpr unsigned kSetCursor = 0x0020;
inline constexpr unsigned kNcDestroy = 0x0082;
// wParam: the hit-test code of the point (hit::).
inline constexpr unsigned kNcLButtonDown = 0x00A1;
inline constexpr unsigned kNcRButtonDown = 0x00A4;
inline constexpr unsigned kKeyDown = 0x0100;
inline constexpr unsigned kInitDialog = 0x0110;
inline constexpr unsigned kCommand = 0x0111;
inline constexpr unsigned kHScroll = 0x0114;
inline constexpr unsigned kVScroll = 0x0115;
// wParam: the popup menu about to open.
inline constexpr unsigned kInitMenuPopup = 0x0117;
inline constexpr unsigned kMouseMove = 0x0200;
inline constexpr unsigned kCaptureChanged = 0x0215;
inline constexpr unsigned kLButtonDown = 0x0201;
inline constexpr unsigned kLButtonUp = 0x0202;
inline constexpr unsigned kLButtonDblClk = 0x0203;
inline constexpr unsigned kRButtonDown = 0x0204;
inline constexpr unsigned kRButtonUp = 0x0205;
inline constexpr unsigned kRButtonDblClk = 0x0206;
// wParam: key state in the low word, the signed delta (120 a notch) in the high word;
// lParam: the pointer in screen coordinates.
inline constexpr unsigned kMouseWheel = 0x020A;
inline constexpr unsigned kDropFiles = 0x0233;
inline constexpr unsigned kUser = 0x0400;
}  // namespace wm

// Key states in the low word of a mouse message's wParam.
namespace mk {
inline constexpr int kShift = 0x0004;
inline constexpr int kControl = 0x0008;
}  // namespace mk

// One notch of a wheel; high-resolution wheels send parts of it.
inline constexpr int kWheelDelta = 120;

// Hit-test codes of the non-client mouse messages.
namespace hit {
inline constexpr int kCaption = 2;
}  // namespace hit

// The low and high words of wParam and lParam, as LOWORD and HIWORD take them.
constexpr int LowWord(std::uintptr_t value) {
    return static_cast<int>(value & 0xFFFF);
}
constexpr int HighWord(std::uintptr_t value) {
    return static_cast<int>((value >> 16) & 0xFFFF);
}
// The signed wheel delta of a WM_MOUSEWHEEL's wParam.
constexpr int WheelDelta(std::uintptr_t wParam) {
    return static_cast<std::int16_t>((wParam >> 16) & 0xFFFF);
}
// Signed client coordinates of a mouse message's lParam.
constexpr int PointX(std::intptr_t lParam) {
    return static_cast<std::int16_t>(lParam & 0xFFFF);
}
constexpr int PointY(std::intptr_t lParam) {
    return static_cast<std::int16_t>((lParam >> 16) & 0xFFFF);
}

}  // namespace daub
