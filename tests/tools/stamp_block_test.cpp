#include "tools/stamp_block.h"

#include <gtest/gtest.h>

#include <climits>

#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::Block;
using test::PointSet;
using test::TestCanvas;

constexpr COLORREF kInk = 0x123456;

TEST(StampBlock, CoversTheBlockAroundThePoint) {
    struct Case {
        const char* name;
        int x, y, w, h;
        PointSet want;
    };
    const Case cases[] = {
        {"1x1 is the pixel", 7, 8, 1, 1, {{7, 8}}},
        {"odd size is centred", 7, 8, 3, 3, Block(6, 7, 8, 9)},
        {"even size reaches left and up", 7, 8, 4, 2, Block(5, 7, 8, 8)},
        {"width 12", 8, 5, 12, 1, Block(2, 5, 13, 5)},
        {"clipped at the top left", 0, 0, 4, 4, Block(0, 0, 1, 1)},
        {"clipped at the bottom right", 15, 15, 3, 3, Block(14, 14, 15, 15)},
        {"wholly outside", -3, 4, 3, 3, {}},
        {"zero size", 4, 4, 0, 3, {}},
        {"negative size", 4, 4, -5, 3, {}},
        {"huge size covers the image", 3, 3, INT_MAX, INT_MAX, Block(0, 0, 15, 15)},
        {"far-off centre", INT_MIN, INT_MAX, 12, 12, {}},
    };
    for (const Case& c : cases) {
        TestCanvas canvas(16, 16);
        canvas.Fill(5, 0xFFFFFF);
        StampBlock(canvas.stack, kInk, 5, c.x, c.y, c.w, c.h, -1, 0);
        EXPECT_EQ(canvas.PixelsOf(5, kInk), c.want) << c.name;
    }
}

TEST(StampBlock, CopiesFromTheSourceSlot) {
    TestCanvas canvas(6, 5);
    canvas.Fill(5, 0xFFFFFF);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            canvas.Set(1, x, y, MakeColour(x, y, 77));
    StampBlock(canvas.stack, kInk, 5, 2, 2, 2, 2, 1, 0);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x <= 2 && y >= 1 && y <= 2;
            EXPECT_EQ(canvas.Get(5, x, y), inside ? MakeColour(x, y, 77) : 0xFFFFFFu)
                << x << "," << y;
        }
    }
}

TEST(StampBlock, SkipsMaskedPixels) {
    TestCanvas canvas(8, 8);
    canvas.Fill(5, 0xFFFFFF);
    canvas.MaskWhere([](int x, int) { return x % 2 == 0; });
    StampBlock(canvas.stack, kInk, 5, 4, 4, 3, 1, -1, 0);
    EXPECT_EQ(canvas.PixelsOf(5, kInk), (PointSet{{4, 4}}));
    // Copying from a source honours the mask in the same way.
    canvas.Fill(1, 0x00FF00);
    StampBlock(canvas.stack, kInk, 5, 2, 2, 3, 1, 1, 0);
    EXPECT_EQ(canvas.PixelsOf(5, 0x00FF00), (PointSet{{2, 2}}));
}

}  // namespace
}  // namespace daub
