#include "imageops/spray_blend.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::TestCanvas;

constexpr COLORREF kRed = MakeColour(255, 0, 0);

TEST(SprayBlend, WeighsTheColourAgainstTheSource) {
    struct Case {
        const char* name;
        COLORREF colour, source;
        int strength;
        COLORREF want;
    };
    const Case cases[] = {
        {"full strength over white falls one short", kRed, 0xFFFFFF, 255, MakeColour(254, 0, 0)},
        {"strength 125 over black", kRed, 0x000000, 125, MakeColour(124, 0, 0)},
        {"strength 0 darkens the source slightly", kRed, 0xFFFFFF, 0, MakeColour(254, 254, 254)},
        {"above 255 counts as 255", kRed, 0xFFFFFF, 300, MakeColour(254, 0, 0)},
        {"below 0 counts as 0", kRed, MakeColour(100, 50, 0), -7, MakeColour(99, 49, 0)},
        {"each channel on its own", MakeColour(10, 200, 90), MakeColour(250, 20, 90), 128,
         MakeColour(129, 109, 89)},
    };
    for (const Case& c : cases) {
        TestCanvas canvas(3, 3);
        canvas.Fill(1, c.source);
        canvas.Fill(5, 0x123456);
        SprayBlend(canvas.stack, c.colour, 1, 1, 1, 1, 1, c.strength, 5, 0);
        EXPECT_EQ(canvas.Get(5, 1, 1), c.want) << c.name;
        EXPECT_EQ(canvas.PixelsOf(5, 0x123456).size(), 8u) << c.name;
        EXPECT_EQ(canvas.PixelsOf(1, c.source).size(), 9u) << c.name;
    }
}

TEST(SprayBlend, CoversTheClippedSquareWhereWritable) {
    TestCanvas canvas(8, 8);
    canvas.Fill(0, 0x000000);
    canvas.MaskWhere([](int x, int y) { return x != 1 || y != 0; });
    // A 4 x 4 square at (1, 1) covers -1 .. 2 in both directions; the image keeps 0 .. 2.
    SprayBlend(canvas.stack, kRed, 0, 1, 1, 4, 4, 125, 0, 0);
    test::PointSet want = test::Block(0, 0, 2, 2);
    want.erase({1, 0});
    EXPECT_EQ(canvas.PixelsOf(0, MakeColour(124, 0, 0)), want);
    EXPECT_EQ(canvas.stack.maskEnabled, 1);
}

TEST(SprayBlend, MissingSlotsChangeNothing) {
    for (auto [source, target, format] : {std::tuple{7, 0, 0}, {1, 7, 0}, {1, 0, 9}}) {
        TestCanvas canvas(4, 4);
        canvas.Fill(0, 0x000000);
        SprayBlend(canvas.stack, kRed, source, 2, 2, 4, 4, 200, target, format);
        EXPECT_EQ(canvas.PixelsOf(0, 0x000000).size(), 16u) << source << " " << target;
    }
}

}  // namespace
}  // namespace daub
