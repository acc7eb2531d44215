#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "document/colour.h"
#include "files/little_endian.h"
#include "platform/win32/win32_handles.h"
#include "tests/files/bmp_test_support.h"
#include "tests/platform/win32/win32_test_support.h"

namespace daub::win32test {
namespace {

// A picture whose every pixel differs from its neighbours in all three channels, in rows
// of the given stride (bottom-up, as the slots keep them).
struct TestPicture {
    TestPicture(int width, int height, int stride)
        : width(width),
          height(height),
          stride(stride),
          bits(static_cast<std::size_t>(stride) * height, 0xAB) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                std::uint8_t* pixel = &bits[static_cast<std::size_t>(y) * stride + 3 * x];
                pixel[0] = static_cast<std::uint8_t>(17 * x + 3 * y);
                pixel[1] = static_cast<std::uint8_t>(200 - 29 * y + x);
                pixel[2] = static_cast<std::uint8_t>(255 - 41 * x - 5 * y);
            }
        }
    }
    PixelImage Image() const { return {bits.data(), width, height, stride}; }
    const std::uint8_t* Pixel(int x, int row) const {
        return &bits[static_cast<std::size_t>(row) * stride + 3 * x];
    }

    int width, height, stride;
    std::vector<std::uint8_t> bits;
};

void ExpectSamePixels(const Platform::ClipboardPicture& got, const TestPicture& expected) {
    ASSERT_EQ(got.width, expected.width);
    ASSERT_EQ(got.height, expected.height);
    const int stride = (3 * got.width + 3) & ~3;
    ASSERT_EQ(got.bits.size(), static_cast<std::size_t>(stride) * got.height);
    for (int row = 0; row < got.height; ++row) {
        for (int x = 0; x < got.width; ++x) {
            const std::uint8_t* pixel = &got.bits[static_cast<std::size_t>(row) * stride + 3 * x];
            const std::uint8_t* want = expected.Pixel(x, row);
            ASSERT_EQ((std::vector<int>{pixel[0], pixel[1], pixel[2]}),
                      (std::vector<int>{want[0], want[1], want[2]}))
                << "pixel " << x << ", row " << row;
        }
    }
}

class Win32Clipboard : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(owner_.CreateTopLevel("Daubix")); }

    RecordingWindow owner_{TestPlatform()};
};

// Odd widths leave padding at the end of each row; rows of a wider stride are the caller's
// own layout and must not leak into the picture.
TEST_F(Win32Clipboard, CopiedPictureComesBackWithEveryPixel) {
    const TestPicture pictures[] = {{5, 3, 16}, {4, 2, 12}, {1, 1, 4}, {3, 4, 20}, {5, 3, 24}};
    for (const TestPicture& picture : pictures) {
        SCOPED_TRACE(testing::Message()
                     << picture.width << "x" << picture.height << " stride " << picture.stride);

        ASSERT_TRUE(TestPlatform().PutClipboardBitmap(owner_.Handle(), picture.Image()));

        EXPECT_TRUE(TestPlatform().ClipboardHasBitmap());
        const auto got = TestPlatform().TakeClipboardBitmap(owner_.Handle());
        ASSERT_TRUE(got);
        ExpectSamePixels(*got, picture);
        // Taking leaves the picture there for the next paste.
        EXPECT_TRUE(TestPlatform().ClipboardHasBitmap());
    }
}

TEST_F(Win32Clipboard, EmptyClipboardHasNoPictureToTake) {
    ASSERT_TRUE(OpenClipboard(ToHwnd(owner_.Handle())));
    EmptyClipboard();
    CloseClipboard();

    EXPECT_FALSE(TestPlatform().ClipboardHasBitmap());
    EXPECT_FALSE(TestPlatform().TakeClipboardBitmap(owner_.Handle()));
}

// A picture without pixels, or with rows shorter than its width, is refused before GDI reads
// past its end.
TEST_F(Win32Clipboard, PictureThatCannotBeReadWhollyIsRefused) {
    const std::vector<std::uint8_t> bits(64, 0);
    const PixelImage refused[] = {
        {nullptr, 2, 2, 8}, {bits.data(), 0, 2, 8}, {bits.data(), 2, 0, 8}, {bits.data(), 4, 2, 8}};
    for (const PixelImage& picture : refused) {
        EXPECT_FALSE(TestPlatform().PutClipboardBitmap(owner_.Handle(), picture));
    }
}

// Another program's picture: the bytes of a BMP file after its file header, in memory the
// clipboard owns once it is set.
void PutDib(HWND owner, UINT format, const std::vector<std::uint8_t>& file) {
    const std::size_t size = file.size() - 14;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    ASSERT_TRUE(memory);
    std::memcpy(GlobalLock(memory), file.data() + 14, size);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    EXPECT_TRUE(SetClipboardData(format, memory));
    CloseClipboard();
}

COLORREF PixelOf(const Platform::ClipboardPicture& picture, int x, int row) {
    const std::uint8_t* p =
        &picture.bits[static_cast<std::size_t>(row) * ((3 * picture.width + 3) & ~3) + 3 * x];
    return MakeColour(p[2], p[1], p[0]);
}

// Pictures other programs put there as DIBs are taken with their own pixels, not as the
// display's depth would show them.
TEST_F(Win32Clipboard, DibsOfOtherProgramsArePastedWithEveryPixel) {
    test::BmpSpec dib24;
    dib24.width = 3;
    dib24.height = 2;
    dib24.pixels = {1,   2,   3,   4,  5,  6,  7,  8,  9,  0, 0, 0,
                    250, 251, 252, 17, 34, 51, 99, 98, 97, 0, 0, 0};
    test::BmpSpec dibV5;  // 32 bits with fields in a V5 header, rows top-down
    dibV5.headerSize = 124;
    dibV5.width = 1;
    dibV5.height = -2;
    dibV5.bitCount = 32;
    dibV5.compression = 3;
    dibV5.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    dibV5.pixels = {1, 2, 3, 0, 201, 202, 203, 0};
    test::BmpSpec dib2;  // a depth GDI itself does not draw
    dib2.width = 4;
    dib2.height = 2;
    dib2.bitCount = 2;
    dib2.palette = {MakeColour(255, 0, 0), MakeColour(0, 255, 0), MakeColour(0, 0, 255),
                    MakeColour(9, 9, 9)};
    dib2.pixels = {0x1B, 0, 0, 0, 0, 0, 0, 0};
    const struct Case {
        const char* name;
        UINT format;
        test::BmpSpec spec;
        std::vector<COLORREF> bottomRow;
    } cases[] = {
        {"CF_DIB, 24 bits",
         CF_DIB,
         dib24,
         {MakeColour(3, 2, 1), MakeColour(6, 5, 4), MakeColour(9, 8, 7)}},
        {"CF_DIBV5, 32-bit fields", CF_DIBV5, dibV5, {MakeColour(203, 202, 201)}},
        {"CF_DIB, 2 bits",
         CF_DIB,
         dib2,
         {MakeColour(255, 0, 0), MakeColour(0, 255, 0), MakeColour(0, 0, 255),
          MakeColour(9, 9, 9)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PutDib(ToHwnd(owner_.Handle()), c.format, test::BuildBmp(c.spec));
        EXPECT_TRUE(TestPlatform().ClipboardHasBitmap());
        const auto got = TestPlatform().TakeClipboardBitmap(owner_.Handle());
        ASSERT_TRUE(got);
        ASSERT_EQ(got->width, c.spec.width);
        ASSERT_EQ(got->height, 2);
        for (int x = 0; x < got->width; ++x)
            EXPECT_EQ(PixelOf(*got, x, 0), c.bottomRow[x]) << x;
    }
}

// What Daubix copies reads back as a 24-bit bottom-up DIB with exactly its pixels, and is
// the first picture format listed, ahead of the display-dependent bitmap.
TEST_F(Win32Clipboard, WhatIsCopiedReadsBackAsA24BitDib) {
    const TestPicture picture(5, 3, 16);
    ASSERT_TRUE(TestPlatform().PutClipboardBitmap(owner_.Handle(), picture.Image()));
    ASSERT_TRUE(OpenClipboard(ToHwnd(owner_.Handle())));
    UINT first = EnumClipboardFormats(0);
    while (first && first != CF_DIB && first != CF_BITMAP && first != CF_DIBV5)
        first = EnumClipboardFormats(first);
    EXPECT_EQ(first, static_cast<UINT>(CF_DIB));
    HGLOBAL memory = GetClipboardData(CF_DIB);
    ASSERT_TRUE(memory);
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(memory));
    ASSERT_TRUE(bytes);
    ASSERT_GE(GlobalSize(memory), 40u + 16u * 3u);
    EXPECT_EQ(LoadU32(bytes), 40u);
    EXPECT_EQ(LoadI32(bytes + 4), 5);
    EXPECT_EQ(LoadI32(bytes + 8), 3);
    EXPECT_EQ(LoadU16(bytes + 14), 24);
    EXPECT_EQ(LoadU32(bytes + 16), 0u);  // BI_RGB
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(std::memcmp(bytes + 40 + 16 * row, picture.Pixel(0, row), 15), 0) << row;
    GlobalUnlock(memory);
    CloseClipboard();
}

// A DIB whose header claims more than a slot can hold is refused as too large, without
// reading a pixel or trying the bitmap Windows would make of it.
TEST_F(Win32Clipboard, ADibClaimingAHugeSizeIsTooLarge) {
    test::BmpSpec huge;
    huge.width = 40000;
    huge.height = 40000;
    huge.pixels.assign(64, 0);
    PutDib(ToHwnd(owner_.Handle()), CF_DIB, test::BuildBmp(huge));
    const auto got = TestPlatform().TakeClipboardBitmap(owner_.Handle());
    ASSERT_TRUE(got);
    EXPECT_TRUE(got->tooLarge);
    EXPECT_TRUE(got->bits.empty());
}

}  // namespace
}  // namespace daub::win32test
