#include "tools/draw_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>
#include <utility>

#include "tests/tools/test_canvas.h"
#include "tools/stamp_block.h"

namespace daub {
namespace {

using test::PointSet;
using test::TestCanvas;

constexpr COLORREF kInk = 0x0000FF;

PointSet LinePixels(int x0, int y0, int x1, int y1, int w = 1, int width = 8, int height = 8) {
    TestCanvas canvas(width, height);
    canvas.Fill(5, 0xFFFFFF);
    DrawLine(canvas.stack, kInk, x0, y0, x1, y1, w, w, 5, -1);
    return canvas.PixelsOf(5, kInk);
}

TEST(DrawLine, StampsTheBresenhamPoints) {
    struct Case {
        const char* name;
        int x0, y0, x1, y1;
        PointSet want;
    };
    const Case cases[] = {
        {"shallow", 0, 0, 3, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {"shallow reversed", 3, 1, 0, 0, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {"shallow rising", 0, 3, 3, 2, {{0, 3}, {1, 3}, {2, 2}, {3, 2}}},
        {"steep", 0, 0, 1, 3, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {"steep reversed", 1, 3, 0, 0, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {"steep leaning left", 3, 0, 2, 3, {{3, 0}, {3, 1}, {2, 2}, {2, 3}}},
        {"diagonal", 1, 1, 4, 4, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}},
        {"horizontal", 5, 2, 2, 2, {{2, 2}, {3, 2}, {4, 2}, {5, 2}}},
        {"vertical", 6, 4, 6, 6, {{6, 4}, {6, 5}, {6, 6}}},
        {"zero length", 3, 3, 3, 3, {{3, 3}}},
        {"clipped at the edge", -2, 0, 2, 0, {{0, 0}, {1, 0}, {2, 0}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinePixels(c.x0, c.y0, c.x1, c.y1), c.want) << c.name;
}

TEST(DrawLine, WidePenIsTheUnionOfBlocks) {
    PointSet want;
    for (int x = 1; x <= 4; ++x)
        for (int y = 2; y <= 3; ++y)
            want.insert({x, y});
    EXPECT_EQ(LinePixels(2, 3, 4, 3, 2), want);  // 2x2 blocks at (2,3), (3,3), (4,3)
    EXPECT_EQ(LinePixels(0, 0, 0, 0, 0), PointSet{});
}

// The plain walk: every point from the start, one StampBlock each.
PointSet ReferenceLine(int x0, int y0, int x1, int y1, int w, int width, int height) {
    TestCanvas canvas(width, height);
    canvas.Fill(5, 0xFFFFFF);
    const int dx = std::abs(x0 - x1), dy = std::abs(y0 - y1);
    const bool xMajor = dx > dy;
    if (xMajor ? x0 > x1 : y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    int a = xMajor ? x0 : y0, b = xMajor ? y0 : x0;
    const int end = xMajor ? x1 : y1;
    const int length = xMajor ? dx : dy, rise = xMajor ? dy : dx;
    const int step = (xMajor ? y1 > y0 : x1 > x0) ? 1 : -1;
    int err = length >> 1;
    const auto stamp = [&] {
        StampBlock(canvas.stack, kInk, 5, xMajor ? a : b, xMajor ? b : a, w, w, -1, 0);
    };
    stamp();
    while (a < end) {
        ++a;
        err -= rise;
        if (err < 0) {
            b += step;
            err += length;
        }
        stamp();
    }
    return canvas.PixelsOf(5, kInk);
}

// Lines reaching far outside start their walk where the blocks first touch the image; that
// jump must land on exactly the points the full walk visits.
TEST(DrawLine, ClippedWalkMatchesTheFullWalk) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> coord(-30000, 30000);
    std::uniform_int_distribution<int> near(-20, 40);
    for (int i = 0; i < 400; ++i) {
        const bool far = i % 2 == 0;
        const int x0 = far ? coord(rng) : near(rng), y0 = far ? coord(rng) : near(rng);
        // Aim the other end through the image so that something is drawn.
        const int x1 = 2 * 10 - x0 + near(rng) / 4, y1 = 2 * 8 - y0 + near(rng) / 4;
        const int w = 1 + static_cast<int>(rng() % 5);
        EXPECT_EQ(LinePixels(x0, y0, x1, y1, w, 21, 17), ReferenceLine(x0, y0, x1, y1, w, 21, 17))
            << x0 << "," << y0 << " to " << x1 << "," << y1 << " w " << w;
    }
}

TEST(DrawLine, ExtremeEndPointsStayExactAndQuick) {
    // The diagonal from corner to corner of the coordinate range crosses the image on (k, k).
    PointSet diagonal;
    for (int k = 0; k < 8; ++k)
        diagonal.insert({k, k});
    EXPECT_EQ(LinePixels(INT_MIN, INT_MIN, INT_MAX, INT_MAX), diagonal);
    EXPECT_EQ(LinePixels(INT_MAX, INT_MAX, INT_MIN, INT_MIN), diagonal);
    PointSet row;
    for (int x = 0; x < 8; ++x)
        row.insert({x, 5});
    EXPECT_EQ(LinePixels(INT_MIN, 5, INT_MAX, 5), row);
    EXPECT_EQ(LinePixels(INT_MIN, INT_MIN, INT_MIN, INT_MAX), PointSet{});
}

}  // namespace
}  // namespace daub
