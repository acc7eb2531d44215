// Packed DIBs, as other programs put pictures on the clipboard: a BMP file without its file
// header. Each reads as the whole file does.
#include "files/packed_dib_headers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "document/colour.h"
#include "document/slot_format.h"
#include "files/bmp_decoder.h"
#include "tests/files/bmp_test_support.h"

namespace daub {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::BmpSpec;

Bytes WithoutFileHeader(const Bytes& file) {
    return Bytes(file.begin() + kBmpFileHeaderSize, file.end());
}

// The DIB's pixels in slot rows, or nothing when it is refused.
Bytes Decoded(const Bytes& dib, BmpRefusal& refusal) {
    const BmpParseResult parsed = ParsePackedDib(dib);
    refusal = parsed.refusal;
    if (refusal != BmpRefusal::None) return {};
    const BmpLayout& layout = parsed.layout;
    Bytes rows(static_cast<std::size_t>(RowStride(layout.width)) * layout.height);
    DecodeBmpPixels(layout, std::span(dib).subspan(layout.pixelOffset, layout.pixelBytes),
                    rows.data(), RowStride(layout.width));
    return rows;
}

// A synthetic file: size, depth and pixel array first, the fields a case changes by name.
struct Bmp : BmpSpec {
    Bmp(int w, int h, int bits, Bytes data) {
        width = w;
        height = h;
        bitCount = static_cast<std::uint16_t>(bits);
        pixels = std::move(data);
    }
    Bmp& Header(std::uint32_t size) { return headerSize = size, *this; }
    Bmp& Fields(std::vector<std::uint32_t> m) {
        return compression = 3, masks = std::move(m), *this;
    }
    Bmp& Palette(std::vector<COLORREF> p, std::uint32_t used = 0) {
        return palette = std::move(p), clrUsed = used, *this;
    }
    Bytes Build() const { return test::BuildBmp(*this); }
};

TEST(PackedDib, ReadsAsTheFileWithItsHeaderDoes) {
    const Bytes rgb24 = {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0,
                         9, 9, 9,   1, 2,   3, 4,   5, 6, 0, 0, 0};
    const struct Case {
        const char* name;
        Bytes file;
    } cases[] = {
        {"24 bits: the pixels right after the header", Bmp(3, 2, 24, rgb24).Build()},
        {"8 bits: after a table of clrUsed entries",
         Bmp(3, 1, 8, {1, 0, 1, 0}).Palette({0x0000FF, 0x00FF00}, 2).Build()},
        {"4 bits: after a whole table when clrUsed is 0",
         Bmp(2, 1, 4, {0x0F, 0, 0, 0}).Palette(std::vector<COLORREF>(16, 0x123456)).Build()},
        {"16-bit fields: masks after a 40-byte header",
         Bmp(2, 1, 16, {0x1F, 0x00, 0x00, 0xF8}).Fields({0xF800, 0x07E0, 0x001F}).Build()},
        {"32-bit fields: masks inside a V5 header, top-down",
         Bmp(1, -2, 32, {0, 10, 20, 30, 0, 40, 50, 60})
             .Header(124)
             .Fields({0x0000FF00, 0x00FF0000, 0xFF000000})
             .Build()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DecodedBmp expected = DecodeBmp(c.file);
        ASSERT_EQ(expected.refusal, BmpRefusal::None);
        BmpRefusal refusal;
        const Bytes rows = Decoded(WithoutFileHeader(c.file), refusal);
        ASSERT_EQ(refusal, BmpRefusal::None);
        EXPECT_EQ(rows, Bytes(expected.pixels.get(),
                              expected.pixels.get() + expected.stride * expected.height));
        EXPECT_NE(rows, Bytes(rows.size(), 0)) << "the test's pixels are not all black";
    }
}

// The header is not trusted: a size no slot holds, or pixels the memory does not hold, are
// refused before anything is allocated or read.
TEST(PackedDib, HeadersThatClaimTooMuchAreRefused) {
    const struct Case {
        const char* name;
        Bytes dib;
        BmpRefusal refusal;
    } cases[] = {
        {"40000 x 40000", WithoutFileHeader(Bmp(40000, 40000, 24, Bytes(64)).Build()),
         BmpRefusal::TooLarge},
        {"rows cut short", WithoutFileHeader(Bmp(4, 4, 24, Bytes(40)).Build()),
         BmpRefusal::Damaged},
        {"a header cut short", {40, 0, 0}, BmpRefusal::Damaged},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BmpRefusal refusal;
        Decoded(c.dib, refusal);
        EXPECT_EQ(refusal, c.refusal);
    }
}

}  // namespace
}  // namespace daub
