#include "files/bmp_decoder.h"

#include <algorithm>
#include <new>

#include "document/slot_format.h"
#include "files/bmp_rle.h"
#include "files/bmp_rows.h"

namespace daub {

void DecodeBmpPixels(const BmpLayout& layout, std::span<const std::uint8_t> pixelData,
                     std::uint8_t* dst, int dstStride) {
    switch (layout.encoding) {
        case BmpEncoding::Rle8:
        case BmpEncoding::Rle4:
        case BmpEncoding::Rle24:
            DecodeRle(layout, pixelData, dst, dstStride);
            return;
        default:
            DecodeUncompressedRows(layout, pixelData, dst, dstStride);
            return;
    }
}

DecodedBmp DecodeBmp(std::span<const std::uint8_t> file) {
    DecodedBmp out;
    const BmpParseResult parsed = ParseBmpHeaders(file, file.size());
    out.refusal = parsed.refusal;
    if (out.refusal != BmpRefusal::None) return out;
    const BmpLayout& layout = parsed.layout;
    out.width = layout.width;
    out.height = layout.height;
    out.stride = RowStride(layout.width);
    const std::size_t bytes = static_cast<std::size_t>(out.stride) * out.height;
    out.pixels.reset(new (std::nothrow) std::uint8_t[bytes]());
    if (!out.pixels) {
        out.refusal = BmpRefusal::NoMemory;
        return out;
    }
    DecodeBmpPixels(layout, file.subspan(layout.pixelOffset, layout.pixelBytes), out.pixels.get(),
                    out.stride);
    return out;
}

}  // namespace daub
