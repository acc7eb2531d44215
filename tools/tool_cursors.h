#pragma once

namespace daub::cursor {

// The cursors the canvas tools show.
inline constexpr int kPen = 121;
inline constexpr int kZoom = 124;
inline constexpr int kPicker = 125;
inline constexpr int kCross = 127;
inline constexpr int kBucket = 138;

}  // namespace daub::cursor
