#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/win32/win32_handles.h"
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

}  // namespace
}  // namespace daub::win32test
