#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "files/bmp_headers.h"
#include "files/bmp_layout.h"

namespace daub {

// Turns the pixel data of a parsed file (the layout.pixelBytes bytes from
// layout.pixelOffset, or fewer) into 24-bit bottom-up slot rows of dstStride bytes. It cannot
// fail: every refusal has been made by ParseBmpHeaders, and pixels the data does not define
// stay black or as they were (see DecodeRle and DecodeUncompressedRows).
void DecodeBmpPixels(const BmpLayout& layout, std::span<const std::uint8_t> pixelData,
                     std::uint8_t* dst, int dstStride);

// A whole BMP file in memory decoded to the slot layout.
struct DecodedBmp {
    BmpRefusal refusal = BmpRefusal::None;
    int width = 0;
    int height = 0;
    int stride = 0;
    std::unique_ptr<std::uint8_t[]> pixels;  // stride x height bytes, rows bottom-up
};

DecodedBmp DecodeBmp(std::span<const std::uint8_t> file);

}  // namespace daub
