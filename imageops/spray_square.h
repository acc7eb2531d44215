#pragma once

#include <cstdint>

#include "tools/write_gate.h"

namespace daub {

// The part inside a width x height image of the w x h square a spray dab covers around
// (cx, cy): the same placement as a stamped block, one pixel further left and up than right
// and down for even sides.
struct SprayArea {
    IndexRange columns;
    IndexRange rows;
    bool Empty() const { return columns.Empty() || rows.Empty(); }
};

inline SprayArea ClipSprayArea(int cx, int cy, int w, int h, int width, int height) {
    return {ClipRange(std::int64_t{cx} - (w >> 1), w, width),
            ClipRange(std::int64_t{cy} - (h >> 1), h, height)};
}

}  // namespace daub
