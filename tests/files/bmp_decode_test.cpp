// Synthetic BMP files of every kind the reader takes, and of the kinds it refuses. Each file
// goes through ReadBitmapFile and through DecodeBmp, which must agree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "document/colour.h"
#include "document/layer_stack.h"
#include "document/slot_view.h"
#include "files/bmp_decoder.h"
#include "files/bmp_messages.h"
#include "files/bmp_reader.h"
#include "files/little_endian.h"
#include "tests/files/bmp_test_support.h"

namespace daub {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kRange = LayerStack::kRangeSlot;
constexpr COLORREF kBlack = MakeColour(0, 0, 0);
constexpr COLORREF kWhite = MakeColour(255, 255, 255);
constexpr COLORREF kRed = MakeColour(255, 0, 0);
constexpr COLORREF kGreen = MakeColour(0, 255, 0);
constexpr COLORREF kBlue = MakeColour(0, 0, 255);

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;  // top row first
};

struct Outcome {
    bool read = false;
    Picture picture;
    std::string message;
};

// Reads the file as a layer file is read, into a range slot that holds an earlier picture.
Outcome ReadFile(const Bytes& file) {
    test::TempDir dir;
    test::WriteBytes(dir.File("in.bmp"), file);
    LayerStack stack(20);
    stack.DefineFormat(4, 2, 2);
    const BitmapHandle old = stack.CreateSlotBitmap(kRange, stack.Format(4));
    std::fill_n(old->pixels.get(), old->ByteSize(), 0x77);
    const SlotFormat* oldFormat = stack.Format(4);
    test::RecordingSink sink;
    const BitmapHandle bitmap = ReadBitmapFile(sink, stack, dir.File("in.bmp"), kRange, 4);
    const DecodedBmp decoded = DecodeBmp(file);
    Outcome out;
    out.read = bitmap != nullptr;
    EXPECT_EQ(out.read, decoded.refusal == BmpRefusal::None);
    if (!bitmap) {
        EXPECT_EQ(stack.Bitmap(kRange), old);
        EXPECT_EQ(stack.Format(4), oldFormat);
        EXPECT_EQ(stack.Width(4), 2);
        EXPECT_EQ(stack.Height(4), 2);
        EXPECT_TRUE(std::all_of(old->pixels.get(), old->pixels.get() + old->ByteSize(),
                                [](std::uint8_t b) { return b == 0x77; }));
        EXPECT_EQ(sink.messages.size(), 1u);
        if (!sink.messages.empty()) {
            EXPECT_EQ(sink.messages[0].caption, "error");
            EXPECT_TRUE(sink.messages[0].ownedByWindow);
            out.message = sink.messages[0].text;
        }
        return out;
    }
    EXPECT_TRUE(sink.messages.empty());
    const SlotView view = ViewOf(stack, kRange, 4);
    if (!view) {
        ADD_FAILURE() << "the slot does not match its format entry";
        return out;
    }
    out.picture = {view.width, view.height, {}};
    for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x)
            out.picture.pixels.push_back(LoadPixel(view.At(x, y)));
    }
    if (decoded.width == view.width && decoded.height == view.height && decoded.pixels) {
        EXPECT_TRUE(std::equal(view.bits, view.bits + view.ByteSize(), decoded.pixels.get()));
    } else {
        ADD_FAILURE() << "DecodeBmp gives " << decoded.width << " x " << decoded.height;
    }
    return out;
}

struct DecodeCase {
    const char* what;
    Bytes file;
    Picture expected;
};

void ExpectPictures(std::initializer_list<DecodeCase> cases) {
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome r = ReadFile(c.file);
        EXPECT_TRUE(r.read) << r.message;
        EXPECT_EQ(r.picture.width, c.expected.width);
        EXPECT_EQ(r.picture.height, c.expected.height);
        EXPECT_EQ(r.picture.pixels, c.expected.pixels);
    }
}

// Little-endian 16- or 32-bit pixels.
template <class Word>
Bytes Words(std::initializer_list<Word> values) {
    Bytes out;
    for (Word v : values) {
        for (std::size_t i = 0; i < sizeof(Word); ++i)
            out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    return out;
}
constexpr auto Words16 = Words<std::uint16_t>;
constexpr auto Words32 = Words<std::uint32_t>;

Bytes With32(Bytes file, std::size_t at, std::uint32_t value) {
    StoreU32(file.data() + at, value);
    return file;
}

Bytes Prefix(const Bytes& file, std::size_t size) {
    return {file.begin(), file.begin() + size};
}

// A synthetic file: size, depth and pixel array first, the fields a case changes by name.
struct Bmp : test::BmpSpec {
    Bmp(int w, int h, int bits, Bytes data) {
        width = w;
        height = h;
        bitCount = static_cast<std::uint16_t>(bits);
        pixels = std::move(data);
    }
    Bmp& Header(std::uint32_t size) { return headerSize = size, *this; }
    Bmp& Compression(std::uint32_t kind) { return compression = kind, *this; }
    Bmp& ClrUsed(std::uint32_t count) { return clrUsed = count, *this; }
    Bmp& Masks(std::vector<std::uint32_t> m) { return masks = std::move(m), *this; }
    Bmp& Palette(std::vector<COLORREF> p) { return palette = std::move(p), *this; }
    Bmp& Gap(std::uint32_t bytes) { return gapBeforePixels = bytes, *this; }
    Bytes Build() const { return test::BuildBmp(*this); }
};

TEST(BmpDecode, IndexedPixelsTakeTheirColourFromTheTable) {
    auto ramp = [](int i) { return MakeColour(i, 255 - i, 7); };
    std::vector<COLORREF> table256;
    for (int i = 0; i < 256; ++i)
        table256.push_back(ramp(i));
    std::vector<COLORREF> table16(16, kBlack);
    table16[1] = kWhite;
    table16[3] = kBlue;
    table16[12] = kRed;
    table16[15] = kGreen;
    ExpectPictures({
        {"8 bits, clrUsed 0: 256 entries",
         Bmp(3, 2, 8, {0, 128, 255, 0, 1, 254, 2, 0}).Palette(table256).Build(),
         {3, 2, {ramp(1), ramp(254), ramp(2), ramp(0), ramp(128), ramp(255)}}},
        {"8 bits, clrUsed 16: pixels right after 16 entries",
         Bmp(2, 1, 8, {15, 12, 0, 0}).ClrUsed(16).Palette(table16).Build(),
         {2, 1, {kGreen, kRed}}},
        {"4 bits",
         Bmp(3, 1, 4, {0x1F, 0x30, 0, 0}).Palette(table16).Build(),
         {3, 1, {kWhite, kGreen, kBlue}}},
        {"2 bits",
         Bmp(5, 1, 2, {0x1B, 0xC0, 0, 0}).Palette({kBlack, kRed, kGreen, kBlue}).Build(),
         {5, 1, {kBlack, kRed, kGreen, kBlue, kBlue}}},
        {"1 bit, across a byte boundary",
         Bmp(10, 1, 1, {0xB0, 0x40, 0, 0}).Palette({kRed, kBlue}).Build(),
         {10, 1, {kBlue, kRed, kBlue, kBlue, kRed, kRed, kRed, kRed, kRed, kBlue}}},
        {"OS/2 header with 3-byte entries",
         Bmp(3, 2, 1, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}).Header(12).Palette({kRed, kBlue}).Build(),
         {3, 2, {kRed, kBlue, kRed, kBlue, kRed, kBlue}}},
        // Read right after the table, the filler bytes would show as black.
        {"gap between table and pixels",
         Bmp(2, 1, 8, {1, 0, 0, 0}).ClrUsed(2).Palette({kRed, kGreen}).Gap(6).Build(),
         {2, 1, {kGreen, kRed}}},
    });
}

TEST(BmpDecode, DirectColourPixels) {
    const std::vector<std::uint32_t> mask565 = {0xF800, 0x07E0, 0x001F};
    ExpectPictures({
        // The top bit of a 5-5-5 pixel is unused.
        {"16 bits, 5-5-5 by default",
         Bmp(4, 1, 16, Words16({0x7C00, 0x03E0, 0x001F, 0xFFFF})).Build(),
         {4, 1, {kRed, kGreen, kBlue, kWhite}}},
        {"16 bits, 5-6-5 bit fields",
         Bmp(4, 1, 16, Words16({0xF800, 0x07E0, 0x001F, 0})).Compression(3).Masks(mask565).Build(),
         {4, 1, {kRed, kGreen, kBlue, kBlack}}},
        {"32 bits, blue green red and an unused byte",
         Bmp(2, 1, 32, {10, 20, 30, 99, 40, 50, 60, 0}).Build(),
         {2, 1, {MakeColour(30, 20, 10), MakeColour(60, 50, 40)}}},
        {"32 bits, bit fields in the top three bytes",
         Bmp(2, 1, 32, Words32({0x1E140A00, 0x3C3228FF}))
             .Compression(3)
             .Masks({0xFF000000, 0x00FF0000, 0x0000FF00})
             .Build(),
         {2, 1, {MakeColour(30, 20, 10), MakeColour(60, 50, 40)}}},
        {"24 bits, rows stored top-down",
         Bmp(1, -2, 24, {0, 0, 255, 0, 255, 0, 0, 0}).Build(),
         {1, 2, {kRed, kBlue}}},
        {"24 bits, last row without its padding",
         Bmp(1, 2, 24, {255, 255, 255, 0, 0, 0, 255}).Build(),
         {1, 2, {kRed, kWhite}}},
        {"V4 header, 24 bits", Bmp(1, 1, 24, {0, 255, 0, 0}).Header(108).Build(), {1, 1, {kGreen}}},
        {"V5 header holding 5-6-5 masks",
         Bmp(2, 1, 16, Words16({0x001F, 0xF800})).Header(124).Compression(3).Masks(mask565).Build(),
         {2, 1, {kBlue, kRed}}},
    });
}

// Pixels the data leaves out are black; runs and moves past the edges are dropped, never
// written outside the slot (the tests run under AddressSanitizer).
TEST(BmpDecode, RunLengthDataStaysInsideThePicture) {
    const std::vector<COLORREF> four = {kWhite, kRed, kGreen, kBlue};
    std::vector<COLORREF> sixteen = four;
    sixteen.resize(16, kWhite);
    auto rle8 = [&](int width, int height, Bytes data) {
        return Bmp(width, height, 8, std::move(data))
            .Compression(1)
            .ClrUsed(4)
            .Palette(four)
            .Build();
    };
    ExpectPictures({
        {"RLE8 runs, a run past the row end, delta, absolute, end of bitmap",
         rle8(4, 3, {2,   1, 2, 2, 0, 0,  // bottom row
                     9,   3, 0, 0,        // nine pixels in a row of four
                     0,   2, 1, 0,        // one pixel to the right
                     0,   3, 1, 2, 3, 0,  // three literal pixels and a pad byte
                     255, 1, 0, 1}),      // past the right edge of the top row; end
         {4,
          3,
          {kBlack, kRed, kGreen, kBlue, kBlue, kBlue, kBlue, kBlue, kRed, kRed, kGreen, kGreen}}},
        {"RLE8 moves past the right edge and above the top row",
         rle8(2, 2, {1, 1, 0, 2, 5, 0, 2, 2, 0, 0, 0, 2, 0, 5, 2, 3, 0, 1}),
         {2, 2, {kBlack, kBlack, kRed, kBlack}}},
        {"RLE8 data ending inside a literal run",
         rle8(4, 1, {0, 5, 1, 2}),
         {4, 1, {kRed, kGreen, kBlack, kBlack}}},
        {"RLE4 alternating runs, delta over a row, end of bitmap",
         Bmp(5, 3, 4,
             {7, 0x12, 0, 0,     // seven pixels in a row of five
              0, 2, 1, 1,        // one right, one up
              0, 3, 0x31, 0x20,  // three literal pixels
              0, 1, 1, 0x22})    // end; the pixel after it is not drawn
             .Compression(2)
             .Palette(sixteen)
             .Build(),
         {5,
          3,
          {kBlack, kBlue, kRed, kGreen, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kRed,
           kGreen, kRed, kGreen, kRed}}},
    });
}

// bfSize, biSizeImage and the resolution are never trusted; bfOffBits is used only where it
// points past the colour table and into the file.
TEST(BmpDecode, HeaderFieldsThatLieAreIgnored) {
    const Bytes base =
        Bmp(3, 2, 8, {1, 0, 1, 0, 0, 1, 0, 0}).ClrUsed(2).Palette({kRed, kGreen}).Build();
    const Picture expected{3, 2, {kRed, kGreen, kRed, kGreen, kRed, kGreen}};
    ExpectPictures({
        {"as built", base, expected},
        {"bfSize 0", With32(base, 2, 0), expected},
        {"bfSize huge", With32(base, 2, 0xFFFFFFFF), expected},
        {"biSizeImage 0", With32(base, 34, 0), expected},
        {"biSizeImage huge", With32(base, 34, 0x7FFFFFFF), expected},
        {"bfOffBits 0", With32(base, 10, 0), expected},
        {"bfOffBits inside the table", With32(base, 10, 58), expected},
        {"bfOffBits past the end", With32(base, 10, 1000), expected},
        {"negative resolution", With32(With32(base, 38, 0x80000000), 42, 0xFFFFFFFF), expected},
    });
}

TEST(BmpDecode, DamagedAndUnsupportedFilesAreRefused) {
    const Bytes rgb = Bmp(4, 4, 24, Bytes(48, 0x33)).Build();
    const Bytes indexed =
        Bmp(4, 1, 8, {1, 2, 3, 4}).Palette(std::vector<COLORREF>(256, kRed)).Build();
    auto sized = [&](std::uint32_t width, std::uint32_t height) {
        return With32(With32(rgb, 18, width), 22, height);
    };
    struct Case {
        const char* what;
        Bytes file;
        const char* message;
    };
    const Case cases[] = {
        {"only the signature", {'B', 'M'}, kBmpDamagedText},
        {"shorter than the file header", Prefix(rgb, 10), kBmpDamagedText},
        {"shorter than the information header", Prefix(rgb, 14 + 20), kBmpDamagedText},
        {"shorter than the colour table", Prefix(indexed, 14 + 40 + 100), kBmpDamagedText},
        {"no pixels at all", Prefix(rgb, 54), kBmpDamagedText},
        {"shorter than the pixels", Prefix(rgb, rgb.size() - 13), kBmpDamagedText},
        // Refused from the headers alone, before any memory is asked for.
        {"100000 x 100000", sized(100000, 100000), kBmpTooLargeText},
        {"32767 x 32767", sized(32767, 32767), kBmpTooLargeText},
        {"height INT_MIN", sized(4, 0x80000000), kBmpTooLargeText},
        {"negative width", sized(static_cast<std::uint32_t>(-4), 4), kBmpNotBitmapText},
        {"width 0", sized(0, 4), kBmpNotBitmapText},
        {"height 0", sized(4, 0), kBmpNotBitmapText},
        {"unknown header size", With32(rgb, 14, 100), kBmpNotBitmapText},
        {"JPEG", With32(rgb, 30, 4), kBmpUnsupportedText},
        {"PNG", With32(rgb, 30, 5), kBmpUnsupportedText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome r = ReadFile(c.file);
        EXPECT_FALSE(r.read);
        EXPECT_EQ(r.message, c.message);
    }
}

}  // namespace
}  // namespace daub
