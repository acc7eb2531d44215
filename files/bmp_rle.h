#pragma once

#include <cstdint>
#include <span>

#include "files/bmp_layout.h"

namespace daub {

// Decodes RLE8, RLE4 or RLE24 data into slot rows of dstStride bytes, bottom row first.
// Pixels the data leaves undefined (skipped by a delta, cut short by an end of line or of
// bitmap, or missing because the data ends) are black. Runs past the right edge are clipped
// and a move past the top ends the picture; nothing is read or written outside the buffers.
void DecodeRle(const BmpLayout& layout, std::span<const std::uint8_t> data, std::uint8_t* dst,
               int dstStride);

}  // namespace daub
