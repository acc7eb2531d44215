#pragma once

namespace daub {

// The private messages the satellites send to the main window (WM_USER + n).
namespace notify {
inline constexpr unsigned kToolbox = 0x0400 + 1;
inline constexpr unsigned kColourBox = 0x0400 + 2;
inline constexpr unsigned kMaskSwitch = 0x0400 + 3;
inline constexpr unsigned kLayerCommand = 0x0400 + 4;
inline constexpr unsigned kLayerImageGone = 0x0400 + 5;
inline constexpr unsigned kCurveSettings = 0x0400 + 6;
}  // namespace notify

// A satellite sets its closed marker to this when the user closes it.
inline constexpr int kClosedMarker = 999;

}  // namespace daub
