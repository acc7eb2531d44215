#include "tools/mirror_slot.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::TestCanvas;

// The plain mirror: a copy aside, then every pixel from its mirrored place.
std::vector<std::uint8_t> ReferenceMirror(const TestCanvas& canvas, int slot, int direction) {
    std::vector<std::uint8_t> bytes = canvas.Bytes(slot);
    const ConstSlotView v = canvas.View(slot);
    for (int y = 0; y < v.height; ++y) {
        for (int x = 0; x < v.width; ++x) {
            const int fx = direction == 0 ? v.width - 1 - x : x;
            const int fy = direction == 1 ? v.height - 1 - y : y;
            if (direction == 0 || direction == 1)
                std::copy_n(v.At(fx, fy), 3, bytes.data() + v.Offset(x, y));
        }
    }
    return bytes;
}

TEST(MirrorSlot, MatchesThePlainMirror) {
    std::mt19937 rng(1);
    for (int direction : {0, 1, 2, -1}) {
        for (auto [w, h] :
             {std::pair{1, 1}, {2, 3}, {5, 4}, {7, 7}, {8, 2}, {9, 3}, {16, 9}, {21, 2}}) {
            TestCanvas canvas(w, h);
            canvas.Randomise(5, rng);
            canvas.MaskWhere([](int, int) { return false; });
            const auto want = ReferenceMirror(canvas, 5, direction);
            MirrorSlot(canvas.stack, 5, direction, 0);
            EXPECT_EQ(canvas.Bytes(5), want) << "direction " << direction << " " << w << "x" << h;
            EXPECT_EQ(canvas.stack.maskEnabled, 1);
        }
    }
}

// Rows long enough for sixteen-pixel blocks, followed by none, one or three single pixels and
// by groups of four.
TEST(MirrorSlot, WideRowsMatchThePlainMirror) {
    std::mt19937 rng(2);
    for (int width : {32, 33, 40, 63, 64, 97, 161}) {
        TestCanvas canvas(width, 3);
        canvas.Randomise(5, rng);
        const auto want = ReferenceMirror(canvas, 5, kMirrorHorizontal);
        MirrorSlot(canvas.stack, 5, kMirrorHorizontal, 0);
        EXPECT_EQ(canvas.Bytes(5), want) << "width " << width;
    }
}

TEST(MirrorSlot, FlipsACornerPixel) {
    TestCanvas canvas(3, 2);
    canvas.Fill(5, 0x000000);
    canvas.Set(5, 0, 0, 0x0000FF);
    MirrorSlot(canvas.stack, 5, kMirrorHorizontal, 0);
    EXPECT_EQ(canvas.Get(5, 2, 0), 0x0000FFu);
    MirrorSlot(canvas.stack, 5, kMirrorVertical, 0);
    EXPECT_EQ(canvas.Get(5, 2, 1), 0x0000FFu);
    EXPECT_EQ(canvas.PixelsOf(5, 0x0000FF).size(), 1u);
}

}  // namespace
}  // namespace daub
