#include "tools/slot_fill.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::Block;
using test::PointSet;
using test::TestCanvas;

constexpr COLORREF kPaint = 0x445566;

TEST(FillSlot, FillsEveryPixelAndKeepsPadding) {
    TestCanvas canvas(5, 3);
    BitmapHandle b = canvas.stack.Bitmap(5);
    b->pixels[15] = 0x99;  // the first row's padding byte
    canvas.MaskWhere([](int, int) { return false; });
    FillSlot(canvas.stack, kPaint, 5, 0);
    EXPECT_EQ(canvas.PixelsOf(5, kPaint).size(), 15u);
    EXPECT_EQ(b->pixels[15], 0x99);
    EXPECT_EQ(canvas.stack.maskEnabled, 1);

    canvas.stack.DefineFormat(4, 2, 2);
    FillSlot(canvas.stack, 0x000000, 5, 4);  // wrong geometry: nothing
    FillSlot(canvas.stack, 0x000000, 9, 0);  // no bitmap: nothing
    EXPECT_EQ(canvas.PixelsOf(5, kPaint).size(), 15u);
}

TEST(FillSlotRect, ClampsTheStartAndCutsTheSize) {
    struct Case {
        const char* name;
        int x, y, w, h;
        PointSet want;
    };
    const Case cases[] = {
        {"inside", 1, 1, 2, 3, Block(1, 1, 2, 3)},
        {"cut at the right and bottom", 4, 4, 10, 10, Block(4, 4, 5, 4)},
        {"negative start is moved to the edge", -2, -1, 2, 1, Block(0, 0, 1, 0)},
        {"start past the image", 6, 0, 3, 3, {}},
        {"negative sizes are zero", 1, 1, -3, 2, {}},
        {"zero height", 1, 1, 3, 0, {}},
        {"huge sizes", INT_MIN, INT_MIN, INT_MAX, INT_MAX, Block(0, 0, 5, 4)},
    };
    for (const Case& c : cases) {
        TestCanvas canvas(6, 5);
        canvas.Fill(5, 0xFFFFFF);
        canvas.MaskWhere([](int, int) { return false; });
        FillSlotRect(canvas.stack, kPaint, 5, c.x, c.y, c.w, c.h, 0);
        EXPECT_EQ(canvas.PixelsOf(5, kPaint), c.want) << c.name;
    }
}

}  // namespace
}  // namespace daub
