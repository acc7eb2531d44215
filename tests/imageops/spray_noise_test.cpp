#include "imageops/spray_noise.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::TestCanvas;

constexpr COLORREF kGrey = MakeColour(128, 128, 128);

COLORREF Grey(int v) {
    return MakeColour(v, v, v);
}

TEST(NoiseGenerator, StartsTheSameInEveryRun) {
    NoiseGenerator noise;
    EXPECT_EQ(noise.Next(), 41);
    EXPECT_EQ(noise.Next(), 18467);
    EXPECT_EQ(noise.Next(), 6334);
    int highest = 0;
    for (int i = 0; i < 100000; ++i)
        highest = std::max(highest, noise.Next());
    EXPECT_EQ(highest, 32767);
}

TEST(SprayNoise, FirstPixelsAfterStartUp) {
    // Generator values 41, 18467, 6334 give 1, 27 and -26 around the colour at strength 80,
    // in row order: the square's top row first, left to right.
    TestCanvas canvas(6, 4);
    NoiseGenerator noise;
    SprayNoise(canvas.stack, noise, kGrey, 0, 2, 1, 3, 1, 80, 5, 0);
    EXPECT_EQ(canvas.Get(5, 1, 1), Grey(129));
    EXPECT_EQ(canvas.Get(5, 2, 1), Grey(155));
    EXPECT_EQ(canvas.Get(5, 3, 1), Grey(102));
    EXPECT_EQ(canvas.PixelsOf(5, 0x000000).size(), 6u * 4 - 3);
}

TEST(SprayNoise, SpreadAndLimits) {
    struct Case {
        const char* name;
        COLORREF colour;
        int strength;
        std::vector<COLORREF> want;  // the first three pixels
    };
    const Case cases[] = {
        {"strength 1 is the plain colour", kGrey, 1, {kGrey, kGrey, kGrey}},
        {"strength 0 counts as 1", kGrey, 0, {kGrey, kGrey, kGrey}},
        {"channels stop at 0",
         MakeColour(0, 20, 255),
         80,
         {MakeColour(1, 21, 255), MakeColour(27, 47, 255), MakeColour(0, 0, 229)}},
        {"strength 2: 41 and 18467 are odd, 6334 even", kGrey, 2, {kGrey, kGrey, Grey(127)}},
    };
    for (const Case& c : cases) {
        TestCanvas canvas(3, 1);
        canvas.Fill(5, 0x123456);
        NoiseGenerator noise;
        SprayNoise(canvas.stack, noise, c.colour, 0, 1, 0, 3, 1, c.strength, 5, 0);
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(canvas.Get(5, x, 0), c.want[x]) << c.name << " pixel " << x;
    }
}

TEST(SprayNoise, OnlyWritablePixelsDrawNumbers) {
    // A 4 x 4 square at the top-left corner: half of it is off the image, and the mask takes
    // out (1, 0). The values go to the writable pixels alone, in row order.
    TestCanvas canvas(5, 5);
    canvas.Fill(5, 0x123456);
    canvas.MaskWhere([](int x, int y) { return x != 1 || y != 0; });
    NoiseGenerator noise;
    SprayNoise(canvas.stack, noise, kGrey, 0, 1, 1, 4, 4, 80, 5, 0);
    NoiseGenerator reference;
    for (auto [x, y] : {std::pair{0, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}})
        EXPECT_EQ(canvas.Get(5, x, y), Grey(128 + reference.Next() % 80 - 40)) << x << "," << y;
    EXPECT_EQ(canvas.Get(5, 1, 0), 0x123456u);
    EXPECT_EQ(noise.State(), reference.State());
}

TEST(SprayNoise, DoesNotReadTheSourceButNeedsItsSlots) {
    TestCanvas a(4, 4), b(4, 4);
    a.Fill(0, 0xFFFFFF);
    NoiseGenerator na, nb;
    SprayNoise(a.stack, na, kGrey, 0, 2, 2, 4, 4, 80, 5, 0);
    SprayNoise(b.stack, nb, kGrey, 0, 2, 2, 4, 4, 80, 5, 0);
    EXPECT_EQ(a.Bytes(5), b.Bytes(5));

    for (auto [source, target, format] : {std::tuple{7, 5, 0}, {0, 7, 0}, {0, 5, 9}}) {
        TestCanvas canvas(4, 4);
        NoiseGenerator noise;
        SprayNoise(canvas.stack, noise, kGrey, source, 2, 2, 4, 4, 80, target, format);
        EXPECT_EQ(canvas.PixelsOf(5, 0x000000).size(), 16u);
        EXPECT_EQ(noise.State(), 1u) << "no number drawn";
    }
}

}  // namespace
}  // namespace daub
