#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/win32/win32_device_context.h"

namespace daub::win32test {
namespace {

constexpr std::uint32_t kGround = 0x00404040;

// A small 32-bit surface in memory to draw on and read back, filled with kGround.
class Surface {
  public:
    Surface(int width, int height) : width_(width) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down: row y is line y
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        for (int i = 0; i < width * height; ++i)
            static_cast<std::uint32_t*>(bits_)[i] =
                kGround;  // grey reads the same either way round
    }
    ~Surface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    HDC Dc() const { return dc_; }
    // As a COLORREF: 0x00BBGGRR.
    std::uint32_t At(int x, int y) const {
        GdiFlush();
        const std::uint32_t pixel = static_cast<const std::uint32_t*>(bits_)[y * width_ + x];
        return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
    }

  private:
    int width_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    void* bits_ = nullptr;
};

// A 3 x 2 picture as the slots hold it: bottom-up rows of 12 bytes, blue, green, red.
// Top row: red, green, blue; bottom row: white, black, yellow.
struct ThreeByTwo {
    ThreeByTwo() {
        const std::uint8_t bottom[12] = {255, 255, 255, 0, 0, 0, 0, 255, 255, 0, 0, 0};
        const std::uint8_t top[12] = {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0};
        bits.assign(bottom, bottom + 12);
        bits.insert(bits.end(), top, top + 12);
    }
    PixelImage Image() const { return {bits.data(), 3, 2, 12}; }

    std::vector<std::uint8_t> bits;
    static constexpr std::uint32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;
    static constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0, kYellow = 0x00FFFF;
};

TEST(Win32DeviceContext, PictureIsCopiedUprightFromItsTopLeftCorner) {
    Surface surface(6, 4);
    Win32DeviceContext context(surface.Dc());
    const ThreeByTwo picture;

    context.DrawPixels(1, 1, picture.Image(), 2, 1);
    context.DrawPixels(3, 2, picture.Image(), 3, 2);

    EXPECT_EQ(surface.At(1, 1), ThreeByTwo::kRed);
    EXPECT_EQ(surface.At(2, 1), ThreeByTwo::kGreen);
    EXPECT_EQ(surface.At(3, 1), kGround);  // only the asked-for part
    EXPECT_EQ(surface.At(1, 2), kGround);
    EXPECT_EQ(surface.At(3, 2), ThreeByTwo::kRed);
    EXPECT_EQ(surface.At(5, 2), ThreeByTwo::kBlue);
    EXPECT_EQ(surface.At(3, 3), ThreeByTwo::kWhite);
    EXPECT_EQ(surface.At(5, 3), ThreeByTwo::kYellow);
}

// The source rectangle counts rows from the top, as the view does; each source pixel
// becomes a block when enlarged.
TEST(Win32DeviceContext, StretchedSourceRectangleIsTakenFromTheTop) {
    struct Case {
        PixelRect source;
        std::uint32_t topLeft, bottomRight;
    };
    const Case cases[] = {
        {{0, 0, 1, 1}, ThreeByTwo::kRed, ThreeByTwo::kRed},
        {{2, 1, 3, 2}, ThreeByTwo::kYellow, ThreeByTwo::kYellow},
        {{1, 0, 3, 2}, ThreeByTwo::kGreen, ThreeByTwo::kYellow},
        {{0, 1, 2, 2}, ThreeByTwo::kWhite, ThreeByTwo::kBlack},
    };
    const ThreeByTwo picture;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.source.left << "," << c.source.top);
        Surface surface(8, 8);
        Win32DeviceContext context(surface.Dc());

        context.StretchPixels({2, 2, 6, 6}, picture.Image(), c.source);

        EXPECT_EQ(surface.At(2, 2), c.topLeft);
        EXPECT_EQ(surface.At(5, 5), c.bottomRight);
        EXPECT_EQ(surface.At(1, 1), kGround);
        EXPECT_EQ(surface.At(6, 6), kGround);
    }
}

// Colours are 0x00BBGGRR throughout: red in the low byte.
TEST(Win32DeviceContext, FillsAndLinesAreDrawnInTheGivenColour) {
    Surface surface(8, 8);
    Win32DeviceContext context(surface.Dc());

    context.FillRect({1, 1, 4, 3}, 0x0000FF);
    context.DrawLine(0, 6, 5, 6, 0xFF8000);

    EXPECT_EQ(surface.At(1, 1), 0x0000FFu);
    EXPECT_EQ(surface.At(3, 2), 0x0000FFu);
    EXPECT_EQ(surface.At(4, 2), kGround);  // right and bottom edges are outside
    EXPECT_EQ(surface.At(1, 3), kGround);
    EXPECT_EQ(surface.At(0, 6), 0xFF8000u);
    EXPECT_EQ(surface.At(4, 6), 0xFF8000u);
    EXPECT_EQ(surface.At(5, 6), kGround);  // the end point is not drawn
}

TEST(Win32DeviceContext, TextIsDrawnOnAnOpaqueBackgroundOfItsOwn) {
    Surface surface(64, 32);
    Win32DeviceContext context(surface.Dc());

    context.DrawString(0, 0, "マスク", 0xFFFFFF, 0x800000);

    int text = 0, background = 0;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 24; ++x) {
            text += surface.At(x, y) == 0xFFFFFF;
            background += surface.At(x, y) == 0x800000;
        }
    }
    EXPECT_GT(text, 0);
    EXPECT_GT(background, 0);
    EXPECT_EQ(surface.At(63, 31), kGround);
}

TEST(Win32DeviceContext, PictureWithoutPixelsDrawsNothing) {
    Surface surface(4, 4);
    Win32DeviceContext context(surface.Dc());
    const std::vector<std::uint8_t> shortRows(16, 0);

    context.DrawPixels(0, 0, {nullptr, 2, 2, 8}, 2, 2);
    context.DrawPixels(0, 0, {shortRows.data(), 4, 2, 8}, 4, 2);
    context.StretchPixels({0, 0, 4, 4}, {nullptr, 2, 2, 8}, {0, 0, 2, 2});

    EXPECT_EQ(surface.At(0, 0), kGround);
    EXPECT_EQ(surface.At(3, 3), kGround);
}

}  // namespace
}  // namespace daub::win32test
