#include "tools/colour_mask.h"

#include <gtest/gtest.h>

#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::PointSet;
using test::TestCanvas;

TEST(PickColour, ReadsThePixelOrZero) {
    TestCanvas canvas(4, 3);
    canvas.Fill(5, 0xABCDEF);
    canvas.Set(5, 3, 2, 0x010203);
    canvas.stack.DefineFormat(4, 2, 2);
    struct Case {
        const char* name;
        int x, y, slot, format;
        COLORREF want;
    };
    const Case cases[] = {
        {"a pixel", 3, 2, 5, 0, 0x010203},     {"another pixel", 0, 0, 5, 0, 0xABCDEF},
        {"left of the image", -1, 0, 5, 0, 0}, {"right of the image", 4, 0, 5, 0, 0},
        {"below the image", 0, 3, 5, 0, 0},    {"slot without bitmap", 0, 0, 7, 0, 0},
        {"no slot", 0, 0, -1, 0, 0},           {"format of another size", 0, 0, 5, 4, 0},
        {"undefined format", 0, 0, 5, 6, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PickColour(canvas.stack, c.x, c.y, c.slot, c.format), c.want) << c.name;
}

TEST(BuildMask, WhiteExactlyWhereTheColourIs) {
    TestCanvas canvas(5, 3);
    canvas.Fill(0, 0x102030);
    canvas.Set(0, 1, 1, 0x102031);  // one byte off
    canvas.Set(0, 4, 2, 0x777777);
    canvas.Fill(3, 0x00FF00);  // the previous mask does not matter
    canvas.stack.maskEnabled = 0;
    BuildMask(canvas.stack, 0x102030, 0, 0);
    EXPECT_EQ(canvas.stack.maskEnabled, 1);
    EXPECT_EQ(canvas.PixelsOf(3, 0x000000), (PointSet{{1, 1}, {4, 2}}));
    EXPECT_EQ(canvas.PixelsOf(3, 0xFFFFFF).size(), 13u);

    // Nothing to build from: the mask and its switch stay as they were.
    canvas.stack.maskEnabled = 0;
    BuildMask(canvas.stack, 0x102030, 7, 0);
    EXPECT_EQ(canvas.stack.maskEnabled, 0);
    EXPECT_EQ(canvas.PixelsOf(3, 0xFFFFFF).size(), 13u);
}

TEST(ReplaceColour, RecoloursMatchingWritablePixels) {
    struct Case {
        const char* name;
        int target;  // -1: the reference itself
        bool mask;
        int blueRange;
        PointSet want;  // pixels of the target that get the new colour
    };
    const Case cases[] = {
        {"in place", -1, false, 1, {{0, 0}, {2, 0}, {1, 1}}},
        {"into another slot", 5, false, 1, {{0, 0}, {2, 0}, {1, 1}}},
        {"mask skips pixels", 5, true, 1, {{2, 0}, {1, 1}}},
        {"a wider blue range", 5, false, 3, {{0, 0}, {2, 0}, {1, 1}, {1, 0}}},
        {"an empty range matches nothing", 5, false, 0, {}},
    };
    for (const Case& c : cases) {
        TestCanvas canvas(3, 2);
        canvas.Fill(0, MakeColour(9, 9, 50));
        canvas.Fill(5, 0xFFFFFF);
        for (auto [x, y] : {std::pair{0, 0}, {2, 0}, {1, 1}})
            canvas.Set(0, x, y, MakeColour(10, 20, 30));
        canvas.Set(0, 1, 0, MakeColour(10, 20, 32));
        if (c.mask) canvas.MaskWhere([](int x, int) { return x > 0; });
        ReplaceColour(canvas.stack, MakeColour(10, 20, 30), 0xABCDEF, 0, c.target, 1, 1,
                      c.blueRange, 0);
        const int written = c.target == -1 ? 0 : c.target;
        EXPECT_EQ(canvas.PixelsOf(written, 0xABCDEF), c.want) << c.name;
        if (c.target != -1) {
            EXPECT_EQ(canvas.PixelsOf(0, MakeColour(10, 20, 30)).size(), 3u) << c.name;
        }
    }
}

}  // namespace
}  // namespace daub
