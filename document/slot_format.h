#pragma once

#include <cstddef>
#include <cstdint>

namespace daub {

// The 40-byte information header of a device-independent bitmap, as the program keeps it.
struct BitmapInfoHeader {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 24;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 4740;
    std::int32_t biYPelsPerMeter = 4740;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};

// The geometry record of a format entry: always a 24-bit bottom-up layout.
struct SlotFormat {
    BitmapInfoHeader header;
};

// Rows are padded to a multiple of four bytes.
constexpr int RowStride(int width) {
    return (3 * width + 3) & ~3;
}

// The largest slot the program builds: a 10000 x 10000 canvas fits, and no file header can
// make it ask for more memory than this.
inline constexpr int kMaxSlotSide = 32767;
inline constexpr std::size_t kMaxSlotBytes = std::size_t{1} << 29;

constexpr bool IsValidSlotSize(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxSlotSide && height <= kMaxSlotSide &&
           static_cast<std::size_t>(RowStride(width)) * static_cast<std::size_t>(height) <=
               kMaxSlotBytes;
}

// Builds the 24-bit header for a w x h image.
SlotFormat MakeSlotFormat(int width, int height);

}  // namespace daub
