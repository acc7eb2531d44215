#pragma once

#include <cstdint>
#include <span>

#include "files/bmp_layout.h"

namespace daub {

// Converts an uncompressed pixel array (Indexed, Rgb24 or BitFields) into slot rows of
// dstStride bytes, bottom row first. Rows whose pixels are not all in pixelData stay as they
// are; the padding of the slot's rows is not touched, except where a 24-bit file of the same
// layout is copied in one block.
void DecodeUncompressedRows(const BmpLayout& layout, std::span<const std::uint8_t> pixelData,
                            std::uint8_t* dst, int dstStride);

}  // namespace daub
