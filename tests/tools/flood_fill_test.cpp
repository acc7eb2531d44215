#include "tools/flood_fill.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <vector>

#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::PointSet;
using test::TestCanvas;

constexpr COLORREF kPaint = 0x0000FF;

// Builds a canvas in the reference slot from rows of characters: '#' black, '.' white.
TestCanvas FromRows(const std::vector<std::string>& rows, int referenceSlot = 0) {
    TestCanvas canvas(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            canvas.Set(referenceSlot, x, y, rows[y][x] == '#' ? 0x000000 : 0xFFFFFF);
    return canvas;
}

TEST(FloodFill, PaintsTheFourConnectedRegion) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        int x, y;
        PointSet want;
    };
    const Case cases[] = {
        {"stops at a diagonal gap", {"..#", ".#.", "#.."}, 0, 0, {{0, 0}, {1, 0}, {0, 1}}},
        {"follows a winding path",
         {".#...", ".#.#.", "...#."},
         0,
         0,
         {{0, 0}, {0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {3, 0}, {4, 0}, {4, 1}, {4, 2}}},
        {"fills a U from its bottom",
         {".#.", ".#.", "..."},
         1,
         2,
         {{0, 0}, {0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}}},
        {"single pixel", {"###", "#.#", "###"}, 1, 1, {{1, 1}}},
    };
    for (const Case& c : cases) {
        TestCanvas canvas = FromRows(c.rows);
        FloodFill(canvas.stack, kPaint, c.x, c.y, 5, -1);
        EXPECT_EQ(canvas.PixelsOf(0, kPaint), c.want) << c.name << ": reference";
        EXPECT_EQ(canvas.PixelsOf(5, kPaint), c.want) << c.name << ": target";
    }
}

TEST(FloodFill, LeavesEverythingAloneWhenNothingToDo) {
    struct Case {
        const char* name;
        COLORREF colour;
        int x, y;
    };
    const Case cases[] = {
        {"seed already has the fill colour", 0xFFFFFF, 1, 1},
        {"only the low three bytes are the colour", 0x01FFFFFF, 1, 1},
        {"seed left of the image", kPaint, -1, 0},
        {"seed below the image", kPaint, 0, 3},
    };
    for (const Case& c : cases) {
        TestCanvas canvas = FromRows({"...", "...", "..."});
        canvas.Fill(5, 0x123456);
        const auto reference = canvas.Bytes(0);
        const auto target = canvas.Bytes(5);
        FloodFill(canvas.stack, c.colour, c.x, c.y, 5, 0);
        EXPECT_EQ(canvas.Bytes(0), reference) << c.name;
        EXPECT_EQ(canvas.Bytes(5), target) << c.name;
    }
}

TEST(FloodFill, IgnoresTheMaskAndKeepsItsState) {
    TestCanvas canvas = FromRows({"....", "....", "...."}, 1);
    canvas.MaskWhere([](int, int) { return false; });
    FloodFill(canvas.stack, kPaint, 2, 1, 5, 1);
    EXPECT_EQ(canvas.PixelsOf(5, kPaint).size(), 12u);
    EXPECT_EQ(canvas.PixelsOf(1, kPaint).size(), 12u);
    EXPECT_EQ(canvas.stack.maskEnabled, 1);
}

// The plain fill: breadth first over the four neighbours.
PointSet ReferenceRegion(const TestCanvas& canvas, int slot, int x, int y) {
    const COLORREF seed = canvas.Get(slot, x, y);
    PointSet seen{{x, y}};
    std::deque<std::pair<int, int>> queue{{x, y}};
    while (!queue.empty()) {
        auto [px, py] = queue.front();
        queue.pop_front();
        for (auto [nx, ny] : {std::pair{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}}) {
            if (nx < 0 || ny < 0 || nx >= canvas.Width() || ny >= canvas.Height()) continue;
            if (canvas.Get(slot, nx, ny) != seed || seen.count({nx, ny})) continue;
            seen.insert({nx, ny});
            queue.push_back({nx, ny});
        }
    }
    return seen;
}

// Random pictures of few colours give ragged regions with holes, spirals and long runs; the
// span fill must paint exactly the plain fill's region in both slots and nothing else.
TEST(FloodFill, MatchesAPlainFillOnRandomPictures) {
    std::mt19937 rng(3);
    for (int i = 0; i < 150; ++i) {
        const int width = 1 + static_cast<int>(rng() % 40),
                  height = 1 + static_cast<int>(rng() % 30);
        const bool sameSlot = i % 3 == 0;
        TestCanvas canvas(width, height);
        canvas.Randomise(1, rng, 2 + static_cast<int>(rng() % 2));
        canvas.Randomise(2, rng);
        const int x = static_cast<int>(rng() % width), y = static_cast<int>(rng() % height);
        const PointSet region = ReferenceRegion(canvas, 1, x, y);
        auto reference = canvas.Bytes(1);
        auto target = canvas.Bytes(2);
        const int targetSlot = sameSlot ? 1 : 2;
        for (auto [px, py] : region) {
            const std::size_t offset = canvas.View(1).Offset(px, py);
            for (auto* bytes : {&reference, sameSlot ? &reference : &target})
                StorePixel(bytes->data() + offset, kPaint);
        }
        FloodFill(canvas.stack, kPaint, x, y, targetSlot, 1);
        EXPECT_EQ(canvas.Bytes(1), reference)
            << width << "x" << height << " from " << x << "," << y;
        EXPECT_EQ(canvas.Bytes(2), target) << width << "x" << height << " from " << x << "," << y;
    }
}

TEST(FloodFill, FillsALargeUniformCanvas) {
    TestCanvas canvas(300, 200, {0, 5});
    canvas.Fill(0, 0xFFFFFF);
    FloodFill(canvas.stack, kPaint, 150, 100, 5, -1);
    EXPECT_EQ(canvas.PixelsOf(0, kPaint).size(), 300u * 200);
    EXPECT_EQ(canvas.PixelsOf(5, kPaint).size(), 300u * 200);
}

}  // namespace
}  // namespace daub
