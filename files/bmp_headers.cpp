#include "files/bmp_headers.h"

#include <algorithm>

#include "document/slot_format.h"
#include "files/little_endian.h"

namespace daub {
namespace {

constexpr std::uint32_t kOs2V1HeaderSize = 12;
constexpr std::uint32_t kWindowsHeaderSize = 40;
constexpr std::uint64_t kMasksOffset = kBmpFileHeaderSize + kWindowsHeaderSize;

// The fields the reader needs, from any header version.
struct InfoHeader {
    std::uint32_t size = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t clrUsed = 0;
    bool os2v1 = false;  // 12-byte header, 16-bit sizes, 3-byte colour entries
    // OS/2 2.x headers give compression 3 and 4 another meaning (Huffman, RLE24). A 40-byte
    // one cannot be told from a Windows header, and reads the same apart from that.
    bool os2v2 = false;
};

struct PixelFormat {
    BmpRefusal refusal = BmpRefusal::None;
    BmpEncoding encoding = BmpEncoding::Rgb24;
    int maskBytes = 0;  // bit-field masks stored after a 40-byte header: 0, 12 or 16
};

bool IsKnownHeaderSize(std::uint32_t size) {
    return size == kOs2V1HeaderSize || (size >= 16 && size <= 64) || size == 108 || size == 124;
}

// OS/2 2.x headers may stop after any field; the missing ones read as 0.
std::uint32_t Field32(const std::uint8_t* info, std::uint32_t size, std::uint32_t offset) {
    return offset + 4 <= size ? LoadU32(info + offset) : 0;
}

InfoHeader ReadInfoHeader(const std::uint8_t* info, std::uint32_t size) {
    InfoHeader h;
    h.size = size;
    if (size == kOs2V1HeaderSize) {
        h.os2v1 = true;
        h.width = LoadU16(info + 4);
        h.height = LoadU16(info + 6);
        h.bitCount = LoadU16(info + 10);
        return h;
    }
    h.os2v2 = size <= 64 && size != 40 && size != 52 && size != 56;
    h.width = LoadI32(info + 4);
    h.height = LoadI32(info + 8);
    h.bitCount = LoadU16(info + 14);
    h.compression = Field32(info, size, 16);
    h.clrUsed = Field32(info, size, 32);
    return h;
}

PixelFormat Refused(BmpRefusal why) {
    return PixelFormat{why, BmpEncoding::Rgb24, 0};
}

PixelFormat Uncompressed(int bitCount) {
    switch (bitCount) {
        case 1:
        case 2:
        case 4:
        case 8:
            return {BmpRefusal::None, BmpEncoding::Indexed, 0};
        case 16:
        case 32:
            return {BmpRefusal::None, BmpEncoding::BitFields, 0};
        case 24:
            return {BmpRefusal::None, BmpEncoding::Rgb24, 0};
        case 64:
            return Refused(BmpRefusal::Unsupported);
        default:
            return Refused(BmpRefusal::NotBitmap);
    }
}

PixelFormat WithMasks(int bitCount, int maskBytes) {
    if (bitCount != 16 && bitCount != 32) return Refused(BmpRefusal::NotBitmap);
    return {BmpRefusal::None, BmpEncoding::BitFields, maskBytes};
}

PixelFormat Compressed(int bitCount, int wantedBits, BmpEncoding encoding) {
    if (bitCount != wantedBits) return Refused(BmpRefusal::NotBitmap);
    return {BmpRefusal::None, encoding, 0};
}

PixelFormat ClassifyPixels(const InfoHeader& h) {
    switch (h.compression) {
        case 0:
            return Uncompressed(h.bitCount);
        case 1:
            return Compressed(h.bitCount, 8, BmpEncoding::Rle8);
        case 2:
            return Compressed(h.bitCount, 4, BmpEncoding::Rle4);
        case 3:  // Huffman 1D in OS/2 2.x
            return h.os2v2 ? Refused(BmpRefusal::Unsupported) : WithMasks(h.bitCount, 12);
        case 4:  // JPEG in Windows headers
            return h.os2v2 ? Compressed(h.bitCount, 24, BmpEncoding::Rle24)
                           : Refused(BmpRefusal::Unsupported);
        case 6:  // alpha bit fields: the alpha mask follows the three colour masks
            return h.os2v2 ? Refused(BmpRefusal::Unsupported) : WithMasks(h.bitCount, 16);
        default:  // PNG, CMYK and whatever else
            return Refused(BmpRefusal::Unsupported);
    }
}

bool IsRle(BmpEncoding e) {
    return e == BmpEncoding::Rle8 || e == BmpEncoding::Rle4 || e == BmpEncoding::Rle24;
}

BmpRefusal CheckSize(const InfoHeader& h, BmpEncoding encoding, BmpLayout& layout) {
    if (h.width <= 0 || h.height == 0) return BmpRefusal::NotBitmap;
    const bool topDown = h.height < 0;
    const std::int64_t height = topDown ? -h.height : h.height;
    // Run-length data is only defined bottom-up.
    if (topDown && IsRle(encoding)) return BmpRefusal::NotBitmap;
    if (h.width > kMaxSlotSide || height > kMaxSlotSide ||
        !IsValidSlotSize(static_cast<int>(h.width), static_cast<int>(height)))
        return BmpRefusal::TooLarge;
    layout.width = static_cast<int>(h.width);
    layout.height = static_cast<int>(height);
    layout.topDown = topDown;
    return BmpRefusal::None;
}

void SetDefaultMasks(BmpLayout& layout) {
    if (layout.bitCount == 16)
        layout.masks = {0x7C00, 0x03E0, 0x001F};
    else
        layout.masks = {0xFF0000, 0x00FF00, 0x0000FF};
}

// Loads the masks and returns the end of the headers and masks in the file, or 0 when the
// file is too short to hold them.
std::uint64_t ReadMasks(std::span<const std::uint8_t> head, const InfoHeader& h, int maskBytes,
                        BmpLayout& layout) {
    const std::uint64_t headerEnd = kBmpFileHeaderSize + std::uint64_t{h.size};
    if (layout.encoding != BmpEncoding::BitFields) return headerEnd;
    if (maskBytes == 0) {
        SetDefaultMasks(layout);
        return headerEnd;
    }
    // Headers of 52 bytes and more hold the masks themselves.
    const std::uint64_t masksEnd = kMasksOffset + maskBytes;
    if (head.size() < masksEnd) return 0;
    for (int i = 0; i < 3; ++i)
        layout.masks[i] = LoadU32(head.data() + kMasksOffset + 4 * i);
    return std::max(headerEnd, masksEnd);
}

struct PaletteSpan {
    std::uint64_t declared = 0;  // entries the headers say follow
    std::uint64_t used = 0;      // of those, the ones a pixel can index
    int entrySize = 4;
};

PaletteSpan DeclaredPalette(const InfoHeader& h, std::uint64_t headerEnd, std::uint64_t offBits,
                            std::uint64_t fileLength) {
    PaletteSpan p;
    const std::uint64_t indexable = h.bitCount <= 8 ? std::uint64_t{1} << h.bitCount : 0;
    if (h.os2v1) {
        // OS/2 1.x has no count: the table runs up to the pixels, and may be short.
        p.entrySize = 3;
        p.declared = indexable;
        if (offBits >= headerEnd && offBits < fileLength)
            p.declared = std::min(p.declared, (offBits - headerEnd) / 3);
    } else {
        p.declared = h.clrUsed != 0 ? h.clrUsed : indexable;
    }
    p.used = std::min(p.declared, indexable);
    return p;
}

void LoadPalette(std::span<const std::uint8_t> head, std::uint64_t start, const PaletteSpan& p,
                 BmpLayout& layout) {
    const std::uint64_t held = head.size() > start ? (head.size() - start) / p.entrySize : 0;
    const std::uint64_t count = std::min({p.used, held, std::uint64_t{kBmpPaletteCapacity}});
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = head.data() + start + i * p.entrySize;
        std::copy(entry, entry + 3, layout.palette.begin() + 3 * i);
    }
    layout.paletteSize = static_cast<int>(count);
}

// The pixels start at bfOffBits when that lies in the file and past the colour table;
// otherwise right after the table.
std::uint64_t PixelOffset(std::uint64_t tableStart, const PaletteSpan& p, std::uint64_t offBits,
                          std::uint64_t fileLength) {
    const std::uint64_t tableEnd = tableStart + p.used * p.entrySize;
    if (offBits >= tableEnd && offBits < fileLength) return offBits;
    return tableStart + p.declared * p.entrySize;
}

// How many pixel bytes the decoder may use; Damaged when the file cannot hold the picture.
BmpRefusal SizePixelData(std::uint64_t fileLength, BmpLayout& layout) {
    if (layout.pixelOffset >= fileLength) return BmpRefusal::Damaged;
    const std::uint64_t available = fileLength - layout.pixelOffset;
    const std::uint64_t w = static_cast<std::uint64_t>(layout.width);
    const std::uint64_t h = static_cast<std::uint64_t>(layout.height);
    if (IsRle(layout.encoding)) {
        // No sensible encoder spends more than a run of one per pixel plus the row ends.
        const std::uint64_t perPixel = layout.encoding == BmpEncoding::Rle24 ? 4 : 2;
        layout.pixelBytes = std::min(available, perPixel * w * h + 2 * h + 2);
        return BmpRefusal::None;
    }
    const std::uint64_t stride = BmpSourceStride(layout);
    // The padding of the last row may be missing; its pixels may not.
    const std::uint64_t needed = stride * (h - 1) + (w * layout.bitCount + 7) / 8;
    if (available < needed) return BmpRefusal::Damaged;
    layout.pixelBytes = std::min(available, stride * h);
    return BmpRefusal::None;
}

}  // namespace

std::uint64_t BmpSourceStride(const BmpLayout& layout) {
    const std::uint64_t rowBits = static_cast<std::uint64_t>(layout.width) * layout.bitCount;
    return (rowBits + 31) / 32 * 4;
}

BmpParseResult ParseBmpHeaders(std::span<const std::uint8_t> head, std::uint64_t fileLength) {
    BmpParseResult r;
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M') {
        r.refusal = BmpRefusal::NotBitmap;
        return r;
    }
    if (head.size() < kBmpFileHeaderSize + 4) {
        r.refusal = BmpRefusal::Damaged;
        return r;
    }
    const std::uint32_t size = LoadU32(head.data() + kBmpFileHeaderSize);
    if (!IsKnownHeaderSize(size)) {
        r.refusal = BmpRefusal::NotBitmap;
        return r;
    }
    if (head.size() < kBmpFileHeaderSize + size) {
        r.refusal = BmpRefusal::Damaged;
        return r;
    }
    const InfoHeader h = ReadInfoHeader(head.data() + kBmpFileHeaderSize, size);
    const PixelFormat format = ClassifyPixels(h);
    if (format.refusal != BmpRefusal::None) {
        r.refusal = format.refusal;
        return r;
    }
    BmpLayout& layout = r.layout;
    layout.encoding = format.encoding;
    layout.bitCount = h.bitCount;
    r.refusal = CheckSize(h, format.encoding, layout);
    if (r.refusal != BmpRefusal::None) return r;

    const std::uint64_t headerEnd = ReadMasks(head, h, format.maskBytes, layout);
    if (headerEnd == 0) {
        r.refusal = BmpRefusal::Damaged;
        return r;
    }
    const std::uint64_t offBits = LoadU32(head.data() + 10);
    const PaletteSpan palette = DeclaredPalette(h, headerEnd, offBits, fileLength);
    LoadPalette(head, headerEnd, palette, layout);
    layout.pixelOffset = PixelOffset(headerEnd, palette, offBits, fileLength);
    r.refusal = SizePixelData(fileLength, layout);
    return r;
}

}  // namespace daub
