#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

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

// Another program's picture: a BMP file's bytes after its file header.
void PutDib(HWND owner, UINT format, const test::BmpSpec& spec) {
    const std::vector<std::uint8_t> file = test::BuildBmp(spec);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, file.size() - 14);
    std::memcpy(GlobalLock(memory), file.data() + 14, file.size() - 14);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    EXPECT_TRUE(SetClipboardData(format, memory));
    CloseClipboard();
}

test::BmpSpec Dib(int width, int height, int bits, std::vector<std::uint8_t> pixels) {
    test::BmpSpec spec;
    spec.width = width;
    spec.height = height;
    spec.bitCount = static_cast<std::uint16_t>(bits);
    spec.pixels = std::move(pixels);
    return spec;
}

// Other programs' DIBs are taken with their own pixels, never as the display's depth would
// show them; one that claims more than a slot holds is too large, its pixels never read.
TEST_F(Win32Clipboard, DibsOfOtherProgramsArePastedWithEveryPixel) {
    test::BmpSpec fields = Dib(1, -2, 32, {1, 2, 3, 0, 201, 202, 203, 0});  // top-down
    fields.headerSize = 124;
    fields.compression = 3;
    fields.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    test::BmpSpec twoBits = Dib(4, 1, 2, {0x1B, 0, 0, 0});  // a depth GDI does not draw
    twoBits.palette = {0x0000FF, 0x00FF00, 0xFF0000, 0x090909};
    const struct {
        UINT format;
        test::BmpSpec spec;
        std::vector<std::uint8_t> bottomRow;  // empty: too large
    } cases[] = {
        {CF_DIBV5, fields, {201, 202, 203}},
        {CF_DIB, twoBits, {0, 0, 255, 0, 255, 0, 255, 0, 0, 9, 9, 9}},
        {CF_DIB, Dib(40000, 40000, 24, std::vector<std::uint8_t>(64)), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spec.bitCount);
        PutDib(ToHwnd(owner_.Handle()), c.format, c.spec);
        EXPECT_TRUE(TestPlatform().ClipboardHasBitmap());
        const auto got = TestPlatform().TakeClipboardBitmap(owner_.Handle());
        ASSERT_TRUE(got);
        EXPECT_EQ(got->tooLarge, c.bottomRow.empty());
        if (got->tooLarge) continue;
        EXPECT_EQ(got->width, c.spec.width);
        EXPECT_EQ(std::vector<std::uint8_t>(got->bits.begin(), got->bits.begin() + 3 * got->width),
                  c.bottomRow);
    }
}

// What Daubix copies is listed first as a 24-bit bottom-up DIB with exactly its pixels.
TEST_F(Win32Clipboard, WhatIsCopiedReadsBackAsA24BitDib) {
    const TestPicture picture(5, 3, 16);
    ASSERT_TRUE(TestPlatform().PutClipboardBitmap(owner_.Handle(), picture.Image()));
    ASSERT_TRUE(OpenClipboard(ToHwnd(owner_.Handle())));
    EXPECT_EQ(EnumClipboardFormats(0), static_cast<UINT>(CF_DIB));
    HGLOBAL memory = GetClipboardData(CF_DIB);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(memory));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->biWidth * 100 + header->biHeight, 503);
    EXPECT_EQ(header->biBitCount, 24);
    const auto* rows = reinterpret_cast<const std::uint8_t*>(header + 1);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(std::memcmp(rows + 16 * row, picture.Pixel(0, row), 15), 0) << row;
    GlobalUnlock(memory);
    CloseClipboard();
}

}  // namespace
}  // namespace daub::win32test
