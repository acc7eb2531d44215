// What the fuzz targets share: a bound on the pictures they decode, so that a header claiming
// gigabytes tests the parser rather than the machine's memory.
#pragma once

#include <cstddef>
#include <cstdint>

#include "files/bmp_layout.h"

namespace daub::fuzz {

inline bool SmallEnough(const BmpLayout& layout) {
    return std::int64_t{layout.width} * layout.height <= (std::int64_t{1} << 22);
}

}  // namespace daub::fuzz
