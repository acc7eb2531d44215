#include "files/bmp_file_header.h"

#include "document/slot_format.h"
#include "files/little_endian.h"

namespace daub {

std::array<std::uint8_t, kBmpWrittenHeaderSize> MakeBmpFileHeader(int width, int height) {
    const std::uint32_t imageBytes =
        static_cast<std::uint32_t>(RowStride(width)) * static_cast<std::uint32_t>(height);
    std::array<std::uint8_t, kBmpWrittenHeaderSize> h{};
    std::uint8_t* p = h.data();
    p[0] = 'B';
    p[1] = 'M';
    StoreU32(p + 2, kBmpWrittenHeaderSize + imageBytes);
    StoreU32(p + 10, kBmpWrittenHeaderSize);  // reserved fields at 6 and 8 stay 0
    StoreU32(p + 14, 40);
    StoreU32(p + 18, static_cast<std::uint32_t>(width));
    StoreU32(p + 22, static_cast<std::uint32_t>(height));
    StoreU16(p + 26, 1);
    StoreU16(p + 28, 24);
    StoreU32(p + 30, 0);  // uncompressed
    StoreU32(p + 34, imageBytes);
    StoreU32(p + 38, kBmpPixelsPerMetre);
    StoreU32(p + 42, kBmpPixelsPerMetre);
    return h;  // colours used and important (46, 50) stay 0
}

}  // namespace daub
