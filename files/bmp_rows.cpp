#include "files/bmp_rows.h"

#include <array>
#include <cstring>

#include "files/bmp_bitfields.h"
#include "files/bmp_headers.h"
#include "files/little_endian.h"

namespace daub {
namespace {

void IndexedRow8(const std::uint8_t* src, std::uint8_t* dst, int width,
                 const std::uint8_t* palette) {
    for (int x = 0; x < width; ++x)
        std::memcpy(dst + 3 * x, palette + 3 * src[x], 3);
}

// 1, 2 and 4 bits: pixels packed from the most significant bit of each byte.
void IndexedRowPacked(const std::uint8_t* src, std::uint8_t* dst, int width, int bits,
                      const std::uint8_t* palette) {
    const int perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (int x = 0; x < width; ++x) {
        const int shift = 8 - bits * (x % perByte + 1);
        const unsigned index = (src[x / perByte] >> shift) & mask;
        std::memcpy(dst + 3 * x, palette + 3 * index, 3);
    }
}

struct BitFieldChannels {
    explicit BitFieldChannels(const std::array<std::uint32_t, 3>& masks)
        : red(masks[0]), green(masks[1]), blue(masks[2]) {}
    ChannelScale red, green, blue;
};

void BitFieldRow(const std::uint8_t* src, std::uint8_t* dst, int width, int bitCount,
                 const BitFieldChannels& c) {
    const int bytes = bitCount / 8;
    for (int x = 0; x < width; ++x) {
        const std::uint8_t* p = src + bytes * x;
        const std::uint32_t v = bytes == 2 ? LoadU16(p) : LoadU32(p);
        dst[3 * x] = c.blue(v);
        dst[3 * x + 1] = c.green(v);
        dst[3 * x + 2] = c.red(v);
    }
}

// The usual 32-bit layout: blue, green, red and an unused byte.
void Bgrx32Row(const std::uint8_t* src, std::uint8_t* dst, int width) {
    for (int x = 0; x < width; ++x)
        std::memcpy(dst + 3 * x, src + 4 * x, 3);
}

bool IsBgrx32(const BmpLayout& layout) {
    return layout.bitCount == 32 && layout.masks[0] == 0xFF0000 && layout.masks[1] == 0xFF00 &&
           layout.masks[2] == 0xFF;
}

// Calls convert(source row, slot row) for every file row whose pixels are in the data.
template <class Convert>
void ForEachRow(const BmpLayout& layout, std::span<const std::uint8_t> data, std::uint8_t* dst,
                int dstStride, Convert convert) {
    const std::uint64_t stride = BmpSourceStride(layout);
    const std::uint64_t rowBytes =
        (static_cast<std::uint64_t>(layout.width) * layout.bitCount + 7) / 8;
    for (int row = 0; row < layout.height; ++row) {
        const std::uint64_t start = stride * static_cast<std::uint64_t>(row);
        if (start + rowBytes > data.size()) return;
        const int slotRow = layout.topDown ? layout.height - 1 - row : row;
        convert(data.data() + start, dst + static_cast<std::size_t>(slotRow) * dstStride);
    }
}

}  // namespace

void DecodeUncompressedRows(const BmpLayout& layout, std::span<const std::uint8_t> pixelData,
                            std::uint8_t* dst, int dstStride) {
    const int w = layout.width;
    const std::size_t slotBytes = static_cast<std::size_t>(dstStride) * layout.height;
    if (layout.encoding == BmpEncoding::Rgb24 && !layout.topDown &&
        BmpSourceStride(layout) == static_cast<std::uint64_t>(dstStride)) {
        // The slot layout is the file's own: one copy.
        std::memcpy(dst, pixelData.data(), std::min(pixelData.size(), slotBytes));
        return;
    }
    auto each = [&](auto convert) { ForEachRow(layout, pixelData, dst, dstStride, convert); };
    const std::uint8_t* palette = layout.palette.data();
    switch (layout.encoding) {
        case BmpEncoding::Rgb24:
            each([w](const std::uint8_t* s, std::uint8_t* d) { std::memcpy(d, s, 3 * w); });
            return;
        case BmpEncoding::Indexed:
            if (layout.bitCount == 8)
                each(
                    [&](const std::uint8_t* s, std::uint8_t* d) { IndexedRow8(s, d, w, palette); });
            else
                each([&](const std::uint8_t* s, std::uint8_t* d) {
                    IndexedRowPacked(s, d, w, layout.bitCount, palette);
                });
            return;
        case BmpEncoding::BitFields:
            if (IsBgrx32(layout)) {
                each([w](const std::uint8_t* s, std::uint8_t* d) { Bgrx32Row(s, d, w); });
            } else {
                const BitFieldChannels channels(layout.masks);
                each([&](const std::uint8_t* s, std::uint8_t* d) {
                    BitFieldRow(s, d, w, layout.bitCount, channels);
                });
            }
            return;
        default:
            return;
    }
}

}  // namespace daub
