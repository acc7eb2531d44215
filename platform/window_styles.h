#pragma once

#include <cstdint>

namespace daub {

// Window, extended window and class styles, with Win32's numbers.
namespace ws {
inline constexpr std::uint32_t kOverlapped = 0x00000000;
inline constexpr std::uint32_t kPopup = 0x80000000;
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kThickFrame = 0x00040000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kMaximizeBox = 0x00010000;
inline constexpr std::uint32_t kHScroll = 0x00100000;
inline constexpr std::uint32_t kVScroll = 0x00200000;
inline constexpr std::uint32_t kOverlappedWindow =
    kOverlapped | kCaption | kSysMenu | kThickFrame | kMinimizeBox | kMaximizeBox;
}  // namespace ws

namespace ws_ex {
inline constexpr std::uint32_t kAcceptFiles = 0x00000010;
}  // namespace ws_ex

namespace cs {
inline constexpr std::uint32_t kVRedraw = 0x0001;
inline constexpr std::uint32_t kHRedraw = 0x0002;
}  // namespace cs

// Show commands.
namespace sw {
inline constexpr int kHide = 0;
inline constexpr int kShowNormal = 1;
inline constexpr int kShow = 5;
inline constexpr int kShowDefault = 10;
}  // namespace sw

}  // namespace daub
