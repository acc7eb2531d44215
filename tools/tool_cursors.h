#pragma once

#include "resources/resource_ids.h"

namespace daub::cursor {

// The cursors the canvas tools show.
inline constexpr int kPen = IDCUR_PEN;
inline constexpr int kZoom = IDCUR_MAGNIFIER;
inline constexpr int kPicker = IDCUR_PIPETTE;
inline constexpr int kCross = IDCUR_CROSS;
inline constexpr int kBucket = IDCUR_BUCKET;

}  // namespace daub::cursor
