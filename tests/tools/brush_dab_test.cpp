#include "tools/brush_dab.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "document/brush_kernel.h"
#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::TestCanvas;

// A 70 x 70 canvas whose source slot (0) is one colour and whose kernel is empty (all weights
// negative) except where a test sets one.
struct DabCanvas : TestCanvas {
    DabCanvas() : TestCanvas(70, 70) { stack.brushKernel.weights.fill(-1.0f); }
    void Weight(int row, int col, float w) { stack.brushKernel.At(row, col) = w; }
};

TEST(ApplyBrushDab, MovesEachChannelTowardTheColour) {
    struct Case {
        const char* name;
        COLORREF before, colour;
        float weight;
        COLORREF after;
    };
    const Case cases[] = {
        {"weight is truncated", MakeColour(100, 100, 100), MakeColour(200, 50, 100), 2.9f,
         MakeColour(102, 98, 100)},
        {"never past the colour", MakeColour(100, 60, 7), MakeColour(103, 57, 9), 5.0f,
         MakeColour(103, 57, 9)},
        {"weight below one does nothing", MakeColour(10, 20, 30), 0xFFFFFF, 0.99f,
         MakeColour(10, 20, 30)},
        {"zero weight counts as inside", MakeColour(10, 20, 30), 0xFFFFFF, 0.0f,
         MakeColour(10, 20, 30)},
        {"huge weight reaches the colour", MakeColour(0, 255, 3), MakeColour(255, 0, 200), 1e30f,
         MakeColour(255, 0, 200)},
        {"infinite weight", 0x000000, 0xFFFFFF, std::numeric_limits<float>::infinity(), 0xFFFFFF},
        {"not a number is outside", 0x000000, 0xFFFFFF, std::nanf(""), 0x000000},
        {"negative is outside", 0x000000, 0xFFFFFF, -0.5f, 0x000000},
    };
    for (const Case& c : cases) {
        DabCanvas canvas;
        canvas.Fill(0, c.before);
        canvas.Weight(32, 32, c.weight);
        ApplyBrushDab(canvas.stack, c.colour, 0, 35, 35, 65, 65, -1, 0);
        EXPECT_EQ(canvas.Get(0, 35, 35), c.after) << c.name;
        EXPECT_EQ(canvas.PixelsOf(0, c.before).size(), 70u * 70 - (c.before != c.after)) << c.name;
    }
}

TEST(ApplyBrushDab, KernelEntriesLandOnTheirPixels) {
    struct Case {
        const char* name;
        int w, h;
        int row, col;  // kernel entry set
        int x, y;      // pixel it must reach, for a dab at (35, 35)
    };
    const Case cases[] = {
        {"full size: top left entry", 65, 65, 0, 0, 3, 3},
        {"full size: last used entry", 65, 65, 63, 63, 66, 66},
        {"full size: row 64 is never used", 65, 65, 64, 32, -1, -1},
        {"size 64 uses the same rows", 64, 64, 0, 63, 66, 3},
        {"size 3 covers two pixels", 3, 3, 31, 32, 35, 34},
        {"size 2 centre", 2, 2, 32, 32, 35, 35},
        {"size 1 is empty", 1, 1, 32, 32, -1, -1},
        {"rows and columns apart", 9, 5, 31, 29, 32, 34},
    };
    for (const Case& c : cases) {
        DabCanvas canvas;
        canvas.Fill(0, 0x000000);
        canvas.Weight(c.row, c.col, 255.0f);
        ApplyBrushDab(canvas.stack, 0xFFFFFF, 0, 35, 35, c.w, c.h, -1, 0);
        const test::PointSet want = c.x < 0 ? test::PointSet{} : test::PointSet{{c.x, c.y}};
        EXPECT_EQ(canvas.PixelsOf(0, 0xFFFFFF), want) << c.name;
    }
}

// What the tool's 65 x 65 dab paints with a flat kernel (b = 0, weight 255) of radius R,
// centred on (40, 40) of an 80 x 80 canvas.
TEST(ApplyBrushDab, TheRadiusDecidesWhichPixelsADabPaints) {
    test::PointSet wide;  // 64 x 64 (columns and rows 8 .. 71) less the corners at r >= 40
    for (int y = 8; y <= 71; ++y)
        for (int x = 8; x <= 71; ++x)
            if ((x - 40) * (x - 40) + (y - 40) * (y - 40) < 40 * 40) wide.insert({x, y});
    const struct {
        const char* name;
        double radius;
        test::PointSet painted;
    } cases[] = {
        {"radius 1 paints nothing, not even the centre", 1.0, {}},
        {"radius 1.2: the four neighbours, not the centre",
         1.2,
         {{39, 40}, {41, 40}, {40, 39}, {40, 41}}},
        {"radius 1.5: the diagonals and so the centre too", 1.5, test::Block(39, 39, 41, 41)},
        {"radius 40: a square with cut corners", 40.0, wide},
    };
    for (const auto& c : cases) {
        TestCanvas canvas(80, 80);
        canvas.Fill(0, 0x000000);
        ComputeKernel(canvas.stack.brushKernel, c.radius, 255.0, 0.0);
        ApplyBrushDab(canvas.stack, 0xFFFFFF, 0, 40, 40, 65, 65, -1, 0);
        EXPECT_EQ(canvas.PixelsOf(0, 0xFFFFFF), c.painted) << c.name;
    }
    // The wide dab's shape: 64 x 64 (kernel row and column 64 unused) less 117 corner pixels;
    // on the left edge the offset (-32, -24) lies at r = 40 exactly and is cut.
    EXPECT_EQ(wide.size(), 64u * 64 - 117);
    EXPECT_TRUE(wide.count({8, 40}) && wide.count({71, 40}) && wide.count({8, 17}));
    EXPECT_FALSE(wide.count({8, 8}) || wide.count({71, 71}) || wide.count({8, 16}));
}

TEST(ApplyBrushDab, RefusesSizesAboveTheKernel) {
    for (auto [w, h] : {std::pair{66, 65}, std::pair{65, 66}, std::pair{1000, 1000}}) {
        DabCanvas canvas;
        canvas.Fill(0, 0x000000);
        canvas.stack.brushKernel.weights.fill(255.0f);
        ApplyBrushDab(canvas.stack, 0xFFFFFF, 0, 35, 35, w, h, -1, 0);
        EXPECT_EQ(canvas.PixelsOf(0, 0x000000).size(), 70u * 70) << w << "x" << h;
    }
}

TEST(ApplyBrushDab, TargetIsComputedFromTheSourceAlone) {
    DabCanvas canvas;
    canvas.Fill(0, MakeColour(100, 100, 100));
    canvas.Fill(5, MakeColour(7, 250, 33));
    canvas.Weight(32, 32, 3.0f);
    canvas.Weight(32, 33, 3.0f);
    ApplyBrushDab(canvas.stack, MakeColour(200, 0, 100), 0, 35, 35, 65, 65, 5, 0);
    EXPECT_EQ(canvas.Get(5, 35, 35), MakeColour(103, 97, 100));
    EXPECT_EQ(canvas.Get(5, 36, 35), MakeColour(103, 97, 100));
    EXPECT_EQ(canvas.Get(5, 34, 35), MakeColour(7, 250, 33));     // outside the brush
    EXPECT_EQ(canvas.Get(0, 35, 35), MakeColour(100, 100, 100));  // source untouched
}

TEST(ApplyBrushDab, ClipsAtTheEdgesAndHonoursTheMask) {
    DabCanvas canvas;
    canvas.Fill(0, 0x000000);
    canvas.stack.brushKernel.weights.fill(255.0f);
    canvas.MaskWhere([](int x, int y) { return x != 1 || y != 1; });
    ApplyBrushDab(canvas.stack, 0xFFFFFF, 0, 0, 0, 65, 65, -1, 0);
    // Columns and rows 0 to 31 of the image are under the dab, less the masked pixel.
    EXPECT_EQ(canvas.PixelsOf(0, 0xFFFFFF).size(), 32u * 32 - 1);
    EXPECT_EQ(canvas.Get(0, 1, 1), 0x000000u);
    EXPECT_EQ(canvas.stack.maskEnabled, 1);
}

// The plain dab: dab row j, column k reads kernel entry ((65 - h) / 2 + j, (65 - w) / 2 + k),
// and IsWritable decides for each pixel.
void PlainDab(LayerStack& stack, COLORREF colour, int source, int x, int y, int w, int h,
              int target) {
    if (w > 65 || h > 65) return;
    const SlotView from = ViewOf(stack, source, 0), to = ViewOf(stack, target, 0);
    const std::uint8_t want[3] = {BlueOf(colour), GreenOf(colour), RedOf(colour)};
    for (int j = 0; j < 2 * (h >> 1); ++j) {
        for (int k = 0; k < 2 * (w >> 1); ++k) {
            const int px = x - (w >> 1) + k, py = y - (h >> 1) + j;
            const float weight = stack.brushKernel.At((65 - h) / 2 + j, (65 - w) / 2 + k);
            if (weight < 0 || !from.Contains(px, py)) continue;
            if (!stack.IsWritable(px, py, from.Offset(px, py), 0)) continue;
            const int steps = static_cast<int>(weight);
            for (int c = 0; c < 3; ++c) {
                const int s = from.At(px, py)[c], t = want[c];
                to.At(px, py)[c] = static_cast<std::uint8_t>(t >= s ? std::min(t, s + steps)
                                                                    : std::max(t, s - steps));
            }
        }
    }
}

// Dabs of every size, over the edges, under a ragged mask and into another slot must touch
// exactly the pixels the plain dab does.
TEST(ApplyBrushDab, MatchesThePlainDabOnRandomCanvases) {
    std::mt19937 rng(17);
    for (int i = 0; i < 300; ++i) {
        const int width = 1 + static_cast<int>(rng() % 50),
                  height = 1 + static_cast<int>(rng() % 50);
        const int x = static_cast<int>(rng() % (width + 60)) - 30;
        const int y = static_cast<int>(rng() % (height + 60)) - 30;
        const int w = static_cast<int>(rng() % 70) - 2, h = static_cast<int>(rng() % 70) - 2;
        const int target = i % 2 ? -1 : 5;
        TestCanvas canvas(width, height), plain(width, height);
        for (float& weight : canvas.stack.brushKernel.weights)
            weight = rng() % 4 == 0 ? -1.0f : static_cast<float>(rng() % 3000) / 10.0f;
        canvas.Randomise(0, rng);
        canvas.Randomise(5, rng);
        canvas.MaskWhere([&](int, int) { return rng() % 4 != 0; });
        canvas.stack.maskEnabled = i % 3 == 0 ? 0 : 1;
        plain.stack.brushKernel = canvas.stack.brushKernel;
        plain.stack.maskEnabled = canvas.stack.maskEnabled;
        for (int slot : {0, 3, 5})
            LayerStack::CopyBitmap(plain.stack.Bitmap(slot), canvas.stack.Bitmap(slot));

        const COLORREF colour = rng() & 0xFFFFFF;
        ApplyBrushDab(canvas.stack, colour, 0, x, y, w, h, target, 0);
        PlainDab(plain.stack, colour, 0, x, y, w, h, target == -1 ? 0 : target);
        for (int slot : {0, 5})
            EXPECT_EQ(canvas.Bytes(slot), plain.Bytes(slot))
                << width << "x" << height << " dab " << w << "x" << h << " at " << x << "," << y
                << " slot " << slot;
    }
}

}  // namespace
}  // namespace daub
