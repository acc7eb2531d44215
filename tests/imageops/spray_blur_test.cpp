#include "imageops/spray_blur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::TestCanvas;

constexpr COLORREF kWhite = 0xFFFFFF, kBlack = 0x000000;

// The plain blur, straight from its definition: every pixel of the square, in row order,
// sums the source pixels of its (2r + 1)^2 window that are inside the image and not of the
// excluded colour, and takes the truncated mean where that is writable. The source is read
// as it was before the call.
void DirectBlur(LayerStack& stack, COLORREF excluded, int source, int cx, int cy, int w, int h,
                int strength, int target) {
    const SlotView from = ViewOf(stack, source, 0), to = ViewOf(stack, target, 0);
    if (!from || !to) return;
    const std::vector<std::uint8_t> before(from.bits, from.bits + from.ByteSize());
    std::int64_t r = strength >> 1;
    if (r == 0) r = 1;
    for (std::int64_t y = std::int64_t{cy} - (h >> 1); y < std::int64_t{cy} - (h >> 1) + h; ++y) {
        for (std::int64_t x = std::int64_t{cx} - (w >> 1); x < std::int64_t{cx} - (w >> 1) + w;
             ++x) {
            if (!from.Contains(static_cast<int>(std::clamp<std::int64_t>(x, -1, from.width)),
                               static_cast<int>(std::clamp<std::int64_t>(y, -1, from.height))))
                continue;
            std::int64_t sum[3] = {0, 0, 0}, n = 0;
            for (std::int64_t j = std::max<std::int64_t>(y - r, 0);
                 j <= std::min<std::int64_t>(y + r, from.height - 1); ++j) {
                for (std::int64_t i = std::max<std::int64_t>(x - r, 0);
                     i <= std::min<std::int64_t>(x + r, from.width - 1); ++i) {
                    const std::uint8_t* p =
                        before.data() + from.Offset(static_cast<int>(i), static_cast<int>(j));
                    if (LoadPixel(p) == excluded) continue;
                    for (int c = 0; c < 3; ++c)
                        sum[c] += p[c];
                    ++n;
                }
            }
            const int px = static_cast<int>(x), py = static_cast<int>(y);
            if (n == 0 || !stack.IsWritable(px, py, to.Offset(px, py), 0)) continue;
            for (int c = 0; c < 3; ++c)
                to.At(px, py)[c] = static_cast<std::uint8_t>(sum[c] / n);
        }
    }
}

TEST(SprayBlur, AveragesTheNeighbourhoodInsideTheImage) {
    struct Case {
        const char* name;
        int strength;
        int x, y;                               // the one pixel blurred
        std::vector<std::pair<int, int>> dark;  // pixels of grey 10 on white
        COLORREF want;
    };
    // With strength 4 (radius 2) the 5 x 5 window around (4, 4) holds 25 pixels.
    const Case cases[] = {
        {"mean of 25, truncated", 4, 4, 4, {{2, 2}, {6, 6}, {4, 5}}, MakeColour(225, 225, 225)},
        {"strength 5 is radius 2 too",
         5,
         4,
         4,
         {{2, 2}, {6, 6}, {4, 5}},
         MakeColour(225, 225, 225)},
        {"pixels just outside radius 2 do not count", 4, 4, 4, {{1, 4}, {7, 4}, {4, 1}}, kWhite},
        {"strength 1 is radius 1: a 3 x 3 mean", 1, 4, 4, {{3, 3}}, MakeColour(227, 227, 227)},
        {"strength 0 is radius 1 too", 0, 4, 4, {{3, 3}}, MakeColour(227, 227, 227)},
        {"strength 3 is radius 1", 3, 4, 4, {{2, 2}}, kWhite},
        {"the corner averages the 4 pixels inside", 2, 0, 0, {{1, 1}}, MakeColour(193, 193, 193)},
        {"the far corner too", 2, 8, 8, {{7, 8}}, MakeColour(193, 193, 193)},
        {"a negative strength averages nothing", -4, 4, 4, {{4, 4}}, MakeColour(1, 2, 3)},
    };
    for (const Case& c : cases) {
        TestCanvas canvas(9, 9);
        canvas.Fill(1, kWhite);
        for (auto [x, y] : c.dark)
            canvas.Set(1, x, y, MakeColour(10, 10, 10));
        canvas.Fill(5, MakeColour(1, 2, 3));
        SprayBlur(canvas.stack, 0x123456, 1, c.x, c.y, 1, 1, c.strength, 5, 0);
        EXPECT_EQ(canvas.Get(5, c.x, c.y), c.want) << c.name;
    }
}

TEST(SprayBlur, TheExcludedColourNeitherSpreadsNorCounts) {
    // A one-pixel black line on white, blurred with black excluded, turns white: each black
    // pixel takes the mean of its white neighbours and no white pixel sees the black.
    TestCanvas canvas(12, 7);
    canvas.Fill(1, kWhite);
    for (int x = 0; x < 12; ++x)
        canvas.Set(1, x, 3, kBlack);
    SprayBlur(canvas.stack, kBlack, 1, 6, 3, 12, 7, 4, 0, 0);
    EXPECT_EQ(canvas.PixelsOf(0, kWhite).size(), 12u * 7);

    // Where every neighbour is of the excluded colour nothing changes, not even the target.
    TestCanvas solid(6, 6);
    solid.Fill(1, kBlack);
    solid.Fill(0, MakeColour(9, 9, 9));
    SprayBlur(solid.stack, kBlack, 1, 3, 3, 6, 6, 40, 0, 0);
    EXPECT_EQ(solid.PixelsOf(0, MakeColour(9, 9, 9)).size(), 36u);

    // A colour with bits above the 24 of a pixel matches none.
    TestCanvas line(5, 3);
    line.Fill(1, kWhite);
    line.Set(1, 2, 1, kBlack);
    SprayBlur(line.stack, 0x01000000, 1, 2, 1, 1, 1, 2, 0, 0);
    EXPECT_EQ(line.Get(0, 2, 1), MakeColour(226, 226, 226));
}

TEST(SprayBlur, TheSquareIsPlacedLikeAStampedBlock) {
    struct Case {
        int w, h;
        int left, top, right, bottom;  // around (5, 5), both ends included
    };
    const Case cases[] = {{1, 1, 5, 5, 5, 5},
                          {4, 4, 3, 3, 6, 6},
                          {3, 2, 4, 4, 6, 5},
                          {0, 5, 0, 0, -1, -1},
                          {-3, 5, 0, 0, -1, -1}};
    for (const Case& c : cases) {
        TestCanvas canvas(11, 11);
        canvas.Fill(1, kWhite);
        canvas.Fill(0, kBlack);
        SprayBlur(canvas.stack, 0x123456, 1, 5, 5, c.w, c.h, 2, 0, 0);
        EXPECT_EQ(canvas.PixelsOf(0, kWhite), test::Block(c.left, c.top, c.right, c.bottom))
            << c.w << "x" << c.h;
    }
}

TEST(SprayBlur, TheMaskLimitsTheWritesNotTheAverage) {
    TestCanvas canvas(5, 5);
    canvas.Fill(1, kWhite);
    canvas.Set(1, 1, 2, MakeColour(2, 2, 2));
    canvas.Fill(0, kBlack);
    canvas.MaskWhere([](int x, int) { return x >= 2; });
    SprayBlur(canvas.stack, 0x123456, 1, 2, 2, 5, 5, 2, 0, 0);
    // (1, 2) is under the mask, yet its dark value still enters the mean of (2, 2).
    EXPECT_EQ(canvas.Get(0, 2, 2), MakeColour(226, 226, 226));
    EXPECT_EQ(canvas.Get(0, 1, 2), kBlack);
    EXPECT_EQ(canvas.PixelsOf(0, kBlack), test::Block(0, 0, 1, 4));
    EXPECT_EQ(canvas.stack.maskEnabled, 1);
}

TEST(SprayBlur, MissingSlotsChangeNothing) {
    struct Case {
        const char* name;
        int source, target, format;
    };
    const Case cases[] = {{"source without pixels", 7, 0, 0},
                          {"target without pixels", 1, 7, 0},
                          {"undefined format", 1, 0, 9},
                          {"target of another size", 1, 6, 0}};
    for (const Case& c : cases) {
        TestCanvas canvas(6, 6);
        canvas.stack.DefineFormat(4, 3, 3);
        canvas.stack.CreateSlotBitmap(6, canvas.stack.Format(4));
        std::mt19937 rng(3);
        canvas.Randomise(0, rng);
        canvas.Randomise(1, rng);
        const auto before = canvas.Bytes(0);
        SprayBlur(canvas.stack, 0x123456, c.source, 3, 3, 6, 6, 4, c.target, c.format);
        EXPECT_EQ(canvas.Bytes(0), before) << c.name;
    }
}

// The running sums must give the plain blur's pixels exactly: random pictures with runs of
// the excluded colour, ragged masks, squares over the edges, every strength class, and the
// source as its own target.
TEST(SprayBlur, MatchesThePlainBlurOnRandomCanvases) {
    std::mt19937 rng(29);
    for (int i = 0; i < 300; ++i) {
        const int width = 1 + static_cast<int>(rng() % 30),
                  height = 1 + static_cast<int>(rng() % 30);
        const int strengths[] = {static_cast<int>(rng() % 12), static_cast<int>(rng() % 90),
                                 -static_cast<int>(rng() % 5), 1 << 30};
        const int strength = strengths[rng() % 4];
        const bool whole = rng() % 3 == 0;
        const int w = whole ? width : static_cast<int>(rng() % 50) - 3;
        const int h = whole ? height : static_cast<int>(rng() % 50) - 3;
        const int cx = whole ? width / 2 : static_cast<int>(rng() % (width + 40)) - 20;
        const int cy = whole ? height / 2 : static_cast<int>(rng() % (height + 40)) - 20;
        const int target = i % 4 == 0 ? 1 : 5;

        TestCanvas fast(width, height), plain(width, height);
        fast.Randomise(1, rng, 1 + static_cast<int>(rng() % 4));
        fast.Randomise(5, rng);
        fast.MaskWhere([&](int, int) { return rng() % 5 != 0; });
        fast.stack.maskEnabled = i % 3 == 0 ? 0 : 1;
        plain.stack.maskEnabled = fast.stack.maskEnabled;
        for (int slot : {1, 3, 5})
            LayerStack::CopyBitmap(plain.stack.Bitmap(slot), fast.stack.Bitmap(slot));
        // A grey that is present or not, a picked colour whose channels differ (a B/R mix-up
        // shows), or that colour with bits above the low 24, which no pixel ever has.
        const int level = static_cast<int>(rng() % 5);
        COLORREF excluded = MakeColour(level, level, level);
        if (i % 5 == 1) {
            for (int k = 0; k < 1 + width * height / 8; ++k)
                fast.Set(1, static_cast<int>(rng() % width), static_cast<int>(rng() % height),
                         0x123456);
            LayerStack::CopyBitmap(plain.stack.Bitmap(1), fast.stack.Bitmap(1));
            excluded = 0x123456 | (i % 10 == 1 ? 0x01000000 : 0);
        }

        SprayBlur(fast.stack, excluded, 1, cx, cy, w, h, strength, target, 0);
        DirectBlur(plain.stack, excluded, 1, cx, cy, w, h, strength, target);
        for (int slot : {1, 5})
            ASSERT_EQ(fast.Bytes(slot), plain.Bytes(slot))
                << width << "x" << height << " square " << w << "x" << h << " at " << cx << ","
                << cy << " strength " << strength << " target " << target << " slot " << slot;
    }
}

// Rows longer than one word of column marks and than one stretch of division, with the
// excluded colour scattered, in runs, and absent, at the strengths the settings offer: the
// windows that overlap, merge and end at the edges must all count their pixels right.
TEST(SprayBlur, WideCanvasesMatchThePlainBlur) {
    struct Case {
        const char* name;
        int width, strength;
        int scattered, runs;  // excluded pixels and horizontal runs of them
    };
    const Case cases[] = {
        {"nothing excluded", 131, 40, 0, 0},
        {"a few scattered", 150, 12, 6, 0},
        {"long runs", 97, 40, 0, 5},
        {"both, radius 1", 203, 1, 40, 8},
        {"rows of several stretches", 700, 24, 3, 0},
    };
    std::mt19937 rng(31);
    for (const Case& c : cases) {
        TestCanvas fast(c.width, 23), plain(c.width, 23);
        fast.Randomise(5, rng);
        // Steep ramps with noise: every window's means differ from its neighbours'.
        for (int y = 0; y < 23; ++y)
            for (int x = 0; x < c.width; ++x)
                fast.Set(1, x, y, MakeColour(x * 5 + (rng() & 7), y * 11, (x * y) ^ (rng() & 3)));
        for (int k = 0; k < c.scattered; ++k)
            fast.Set(1, static_cast<int>(rng() % c.width), static_cast<int>(rng() % 23), 0x123456);
        for (int k = 0; k < c.runs; ++k) {
            const int y = static_cast<int>(rng() % 23), x = static_cast<int>(rng() % c.width);
            for (int i = x; i < std::min(c.width, x + 30); ++i)
                fast.Set(1, i, y, 0x123456);
        }
        for (int slot : {1, 5})
            LayerStack::CopyBitmap(plain.stack.Bitmap(slot), fast.stack.Bitmap(slot));
        SprayBlur(fast.stack, 0x123456, 1, c.width / 2, 11, c.width, 23, c.strength, 5, 0);
        DirectBlur(plain.stack, 0x123456, 1, c.width / 2, 11, c.width, 23, c.strength, 5);
        EXPECT_EQ(fast.Bytes(5), plain.Bytes(5)) << c.name;
    }
}

// A window wider than 4096 x 4096 pixels needs sums beyond 32 bits.
TEST(SprayBlur, HugeWindowsKeepTheirSumsExact) {
    constexpr int kSide = 4100;
    TestCanvas canvas(kSide, kSide, {1, 5});
    canvas.Fill(1, MakeColour(250, 251, 252));
    canvas.Set(1, 0, 0, MakeColour(0, 0, 0));
    canvas.Set(1, kSide - 1, kSide - 1, 0x123456);
    SprayBlur(canvas.stack, 0x123456, 1, kSide / 2, kSide / 2, 1, 1, 1 << 30, 5, 0);
    // One black pixel among n - 1 of (250, 251, 252): the means are just below each channel.
    const std::uint64_t n = std::uint64_t{kSide} * kSide - 1;
    const auto mean = [&](int c) { return static_cast<int>(c * (n - 1) / n); };
    EXPECT_EQ(canvas.Get(5, kSide / 2, kSide / 2), MakeColour(mean(250), mean(251), mean(252)));
}

}  // namespace
}  // namespace daub
