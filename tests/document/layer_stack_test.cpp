#include "document/layer_stack.h"

#include <gtest/gtest.h>

#include "document/colour.h"
#include "document/slot_view.h"

namespace daub {
namespace {

TEST(SlotLayout, StrideAndOffsets) {
    struct Case {
        int width, height, x, y;
        int stride;
        std::size_t offset;
    };
    const Case cases[] = {
        {1, 1, 0, 0, 4, 0},    // three pixel bytes and one pad byte
        {5, 2, 0, 0, 16, 16},  // 15 bytes padded to 16; top row stored last
        {3, 2, 0, 0, 12, 12},  // pixel (0, 0) of a 3 x 2 canvas starts at byte 12
        {3, 2, 2, 1, 12, 6},   // bottom row is first in memory
        {4, 3, 3, 0, 12, 33},  // no padding needed at width 4
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RowStride(c.width), c.stride) << c.width;
        EXPECT_EQ(LayerStack::PixelOffset(c.stride, c.height, c.x, c.y), c.offset)
            << c.width << "x" << c.height << " at " << c.x << "," << c.y;
    }
}

TEST(SlotFormat, DefineFormatFillsTheHeader) {
    LayerStack stack(20);
    ASSERT_TRUE(stack.DefineFormat(0, 5, 3));
    const BitmapInfoHeader& h = stack.Format(0)->header;
    EXPECT_EQ(h.biSize, 40u);
    EXPECT_EQ(h.biWidth, 5);
    EXPECT_EQ(h.biHeight, 3);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biBitCount, 24);
    EXPECT_EQ(h.biCompression, 0u);
    EXPECT_EQ(h.biSizeImage, 48u);
    EXPECT_EQ(h.biXPelsPerMeter, 4740);
    EXPECT_EQ(h.biYPelsPerMeter, 4740);
    EXPECT_EQ(stack.Stride(0), 16);
    // Sizes the program never builds are refused and leave the entry as it was.
    EXPECT_FALSE(stack.DefineFormat(0, 0, 3));
    EXPECT_FALSE(stack.DefineFormat(0, 3, -1));
    EXPECT_FALSE(stack.DefineFormat(0, 100000, 100000));
    EXPECT_FALSE(stack.DefineFormat(20, 3, 3));
    EXPECT_EQ(stack.Width(0), 5);
}

TEST(LayerStack, SlotBitmapsFollowTheirFormat) {
    LayerStack stack(20);
    EXPECT_EQ(stack.CreateSlotBitmap(0), nullptr);  // no canvas format yet
    ASSERT_TRUE(stack.DefineFormat(0, 7, 4));
    BitmapHandle b = stack.CreateSlotBitmap(5);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->ByteSize(), 24u * 4);
    EXPECT_EQ(stack.Bits(5), b->pixels.get());
    EXPECT_EQ(stack.Bitmap(6), nullptr);
    EXPECT_EQ(stack.CreateSlotBitmap(-1), nullptr);
    EXPECT_EQ(stack.CreateSlotBitmap(20), nullptr);

    ASSERT_TRUE(stack.DefineFormat(4, 2, 2));
    BitmapHandle range = stack.CreateSlotBitmap(4, stack.Format(4));
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->width, 2);
    // A view only exists where slot and format agree on the geometry.
    EXPECT_TRUE(ViewOf(stack, 4, 4));
    EXPECT_FALSE(ViewOf(stack, 4, 0));
    EXPECT_FALSE(ViewOf(stack, 6, 0));
}

TEST(LayerStack, CopyBitmapCopiesTheTopLeftOverlap) {
    LayerStack stack(20);
    ASSERT_TRUE(stack.DefineFormat(0, 3, 3));
    ASSERT_TRUE(stack.DefineFormat(4, 2, 4));
    BitmapHandle big = stack.CreateSlotBitmap(0);
    BitmapHandle small = stack.CreateSlotBitmap(4, stack.Format(4));
    FillBitmap(big, 0x000000);
    SlotView src = ViewOf(stack, 4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x)
            StorePixel(src.At(x, y), MakeColour(x + 1, y + 1, 9));

    LayerStack::CopyBitmap(big, small);
    SlotView dst = ViewOf(stack, 0, 0);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            const COLORREF want = x < 2 ? MakeColour(x + 1, y + 1, 9) : 0;
            EXPECT_EQ(LoadPixel(dst.At(x, y)), want) << x << "," << y;
        }
    }
    LayerStack::CopyBitmap(nullptr, small);  // a null handle does nothing
    LayerStack::CopyBitmap(big, nullptr);
}

TEST(LayerStack, WritabilityFollowsBoundsAndMask) {
    LayerStack stack(20);
    ASSERT_TRUE(stack.DefineFormat(0, 4, 2));
    stack.CreateSlotBitmap(LayerStack::kMaskSlot);
    FillBitmap(stack.Bitmap(LayerStack::kMaskSlot), 0xFFFFFF);
    SlotView mask = ViewOf(stack, LayerStack::kMaskSlot, 0);
    mask.At(1, 0)[0] = 254;  // only the blue byte decides
    mask.At(2, 0)[1] = 0;

    const auto writable = [&](int x, int y) {
        return stack.IsWritable(x, y, LayerStack::PixelOffset(12, 2, x, y), 0);
    };
    EXPECT_TRUE(writable(1, 0));  // mask off: only bounds count
    EXPECT_FALSE(writable(-1, 0));
    EXPECT_FALSE(writable(4, 0));
    EXPECT_FALSE(writable(0, 2));
    stack.maskEnabled = 1;
    EXPECT_TRUE(writable(0, 0));
    EXPECT_FALSE(writable(1, 0));
    EXPECT_TRUE(writable(2, 0));
    // An offset past the mask's memory is never writable while the mask is on.
    EXPECT_FALSE(stack.IsWritable(0, 0, 1000, 0));
}

TEST(FillBitmap, StoresBlueGreenRedAndKeepsPadding) {
    LayerStack stack(20);
    ASSERT_TRUE(stack.DefineFormat(0, 1, 2));
    BitmapHandle b = stack.CreateSlotBitmap(0);
    b->pixels[3] = 0x55;
    FillBitmap(b, MakeColour(223, 231, 240));
    EXPECT_EQ(b->pixels[0], 240);
    EXPECT_EQ(b->pixels[1], 231);
    EXPECT_EQ(b->pixels[2], 223);
    EXPECT_EQ(b->pixels[3], 0x55);
    EXPECT_EQ(LoadPixel(&b->pixels[4]), kTransparentColour);
}

}  // namespace
}  // namespace daub
