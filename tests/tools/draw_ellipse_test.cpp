#include "tools/draw_ellipse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

#include "tests/tools/test_canvas.h"
#include "tools/stamp_block.h"

namespace daub {
namespace {

using test::PointSet;
using test::TestCanvas;

constexpr COLORREF kInk = 0x00FF00;

// The offsets from the centre that an ellipse stamps, drawn with 1x1 blocks around (20, 20).
PointSet EllipseOffsets(int rx, int ry) {
    TestCanvas canvas(41, 41);
    canvas.Fill(5, 0xFFFFFF);
    DrawEllipse(canvas.stack, kInk, 20, 20, rx, ry, 1, 1, 5, -1);
    PointSet offsets;
    for (auto [x, y] : canvas.PixelsOf(5, kInk))
        offsets.insert({x - 20, y - 20});
    return offsets;
}

// All four mirror images of the given offsets.
PointSet Mirrored(const PointSet& quarter) {
    PointSet all;
    for (auto [x, y] : quarter)
        for (int sx : {-1, 1})
            for (int sy : {-1, 1})
                all.insert({sx * x, sy * y});
    return all;
}

TEST(DrawEllipse, StampsTheScaledMidpointOutline) {
    struct Case {
        const char* name;
        int rx, ry;
        PointSet want;
    };
    const Case cases[] = {
        {"zero rx", 0, 5, {}},
        {"zero ry", 5, 0, {}},
        {"unit circle: the eight neighbours", 1, 1, Mirrored({{1, 0}, {0, 1}, {1, 1}})},
        {"wide", 4, 2, Mirrored({{4, 0}, {4, 1}, {3, 2}, {2, 2}, {1, 2}, {0, 2}})},
        {"tall", 2, 4, Mirrored({{0, 4}, {1, 4}, {2, 3}, {2, 2}, {2, 1}, {2, 0}})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EllipseOffsets(c.rx, c.ry), c.want) << c.name;
}

TEST(DrawEllipse, CircleFirstOctant) {
    const PointSet offsets = EllipseOffsets(5, 5);
    PointSet octant;
    for (auto [x, y] : offsets)
        if (x >= 0 && y >= x) octant.insert({x, y});
    EXPECT_EQ(octant, (PointSet{{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 4}}));
    EXPECT_EQ(offsets.count({0, 0}), 0u);
}

// The plain loop of the outline, stamping every point of every step.
PointSet ReferenceEllipse(int cx, int cy, int rx, int ry, int w, int width, int height) {
    TestCanvas canvas(width, height);
    canvas.Fill(5, 0xFFFFFF);
    if (rx != 0 && ry != 0) {
        const bool wide = rx > ry;
        const long long R = wide ? rx : ry, r = wide ? ry : rx;
        const auto plot = [&](long long a, long long b) {
            const long long x = wide ? cx + a : cx + b, y = wide ? cy + b : cy + a;
            StampBlock(canvas.stack, kInk, 5, static_cast<int>(x), static_cast<int>(y), w, w, -1,
                       0);
        };
        long long i = 0, Y = R, d = R, H = R * r, S = 0;
        while (Y >= i) {
            const long long t = H / R, u = S / R;
            for (long long a : {Y, -Y})
                for (long long b : {u, -u})
                    plot(a, b);
            for (long long a : {i, -i})
                for (long long b : {t, -t})
                    plot(a, b);
            d += 1 - 2 * i;
            if (d < 0) {
                d += 2 * Y - 2;
                Y -= 1;
                H -= r;
            }
            i += 1;
            S += r;
        }
    }
    return canvas.PixelsOf(5, kInk);
}

// Stopping once the outline has left the image for good must not lose any pixel.
TEST(DrawEllipse, EarlyStopMatchesTheFullOutline) {
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> centre(-60, 80);
    std::uniform_int_distribution<int> radius(-10, 120);
    for (int i = 0; i < 300; ++i) {
        const int cx = centre(rng), cy = centre(rng), rx = radius(rng), ry = radius(rng);
        const int w = static_cast<int>(rng() % 6);
        TestCanvas canvas(23, 19);
        canvas.Fill(5, 0xFFFFFF);
        DrawEllipse(canvas.stack, kInk, cx, cy, rx, ry, w, w, 5, -1);
        EXPECT_EQ(canvas.PixelsOf(5, kInk), ReferenceEllipse(cx, cy, rx, ry, w, 23, 19))
            << cx << "," << cy << " r " << rx << "," << ry << " w " << w;
    }
}

TEST(DrawEllipse, HugeRadiiStayInsideAndFinish) {
    struct Case {
        int cx, cy, rx, ry;
    };
    const Case cases[] = {
        {4, 4, INT_MAX, INT_MAX}, {4, 4, INT_MAX, 1},       {4, 4, 1, INT_MAX},
        {4, 4, INT_MAX, -3},      {INT_MAX, INT_MIN, 5, 5}, {4, 4, INT_MIN, INT_MIN},
    };
    for (const Case& c : cases) {
        TestCanvas canvas(9, 9);
        canvas.Fill(5, 0xFFFFFF);
        DrawEllipse(canvas.stack, kInk, c.cx, c.cy, c.rx, c.ry, 3, 3, 5, -1);
        // A flat ellipse through the centre still draws its row (or column) there.
        if (c.rx == INT_MAX && c.ry == 1) {
            EXPECT_EQ(canvas.PixelsOf(5, kInk).size(), 9u * 5);
        }
        if (c.rx == 1 && c.ry == INT_MAX) {
            EXPECT_EQ(canvas.PixelsOf(5, kInk).size(), 5u * 9);
        }
    }
}

}  // namespace
}  // namespace daub
