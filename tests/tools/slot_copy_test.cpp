#include "tools/slot_copy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::PointSet;
using test::TestCanvas;

// The plain copy: every pixel of the format's size that IsWritable allows (entry 0).
std::vector<std::uint8_t> ReferenceCopy(const TestCanvas& canvas, int target, int source) {
    std::vector<std::uint8_t> bytes = canvas.Bytes(target);
    const ConstSlotView s = canvas.View(source);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            if (canvas.stack.IsWritable(x, y, s.Offset(x, y), 0))
                std::copy_n(s.At(x, y), 3, bytes.data() + s.Offset(x, y));
    return bytes;
}

TEST(CopySlotMasked, MatchesThePlainCopy) {
    struct Case {
        const char* name;
        int maskEnabled;
        bool maskBitmap;
    };
    const Case cases[] = {
        {"mask off", 0, true},
        {"mask on", 1, true},
        {"mask on without a mask bitmap copies nothing", 1, false},
    };
    std::mt19937 rng(9);
    for (const Case& c : cases) {
        for (int width : {1, 3, 4, 7, 13}) {
            TestCanvas canvas(width, 6);
            canvas.Randomise(1, rng);
            canvas.Randomise(5, rng);
            canvas.Randomise(3, rng, 2);  // blue bytes 0 or 1 ...
            BitmapHandle mask = canvas.stack.Bitmap(3);
            for (std::size_t i = 0; i < mask->ByteSize(); ++i)
                if (mask->pixels[i] == 1) mask->pixels[i] = 255;  // ... made 0 or 255
            if (!c.maskBitmap) canvas.stack.DeleteSlotBitmap(3);
            canvas.stack.maskEnabled = c.maskEnabled;
            const auto want = ReferenceCopy(canvas, 5, 1);
            CopySlotMasked(canvas.stack, 5, 1, 0);
            EXPECT_EQ(canvas.Bytes(5), want) << c.name << " width " << width;
            EXPECT_EQ(canvas.stack.maskEnabled, c.maskEnabled);
        }
    }
}

// Masks of long white and black runs, as the mask tool builds them, with odd pixels whose
// blue byte alone decides.
TEST(CopySlotMasked, LongMaskRunsMatchThePlainCopy) {
    std::mt19937 rng(4);
    for (int width : {8, 9, 31, 45}) {
        TestCanvas canvas(width, 5);
        canvas.Randomise(1, rng);
        canvas.Randomise(5, rng);
        canvas.MaskWhere([](int x, int y) { return (x / (8 + y) + y) % 2 == 0; });
        canvas.Set(3, width - 1, 0, MakeColour(0, 0, 255));  // blue 255 only: writable
        canvas.Set(3, 0, 1, MakeColour(255, 255, 0));        // all but blue: not writable
        const auto want = ReferenceCopy(canvas, 5, 1);
        CopySlotMasked(canvas.stack, 5, 1, 0);
        EXPECT_EQ(canvas.Bytes(5), want) << "width " << width;
    }
}

// Masks of any bytes at all, wide enough for whole sixteen-pixel blocks of every kind: all
// white, all black, and mixed, with green and red bytes that must not count.
TEST(CopySlotMasked, AnyMaskBytesOverWideRowsMatchThePlainCopy) {
    std::mt19937 rng(12);
    for (int width : {16, 47, 48, 50, 101}) {
        TestCanvas canvas(width, 9);
        canvas.Randomise(1, rng);
        canvas.Randomise(5, rng);
        canvas.Randomise(3, rng);
        const SlotView mask = canvas.View(3);
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool white = y < 3 ? y == 1 : rng() % 2 == 0;  // rows 0-2 uniform
                mask.At(x, y)[0] = white ? 255 : static_cast<std::uint8_t>(rng() % 255);
            }
        }
        canvas.stack.maskEnabled = 1;
        const auto want = ReferenceCopy(canvas, 5, 1);
        CopySlotMasked(canvas.stack, 5, 1, 0);
        EXPECT_EQ(canvas.Bytes(5), want) << "width " << width;
    }
}

TEST(CopySlotMasked, StaysInsideTheCanvasFormat) {
    // A larger range format copies only what entry 0's bounds allow.
    TestCanvas canvas(3, 2);
    canvas.stack.DefineFormat(4, 5, 4);
    canvas.stack.CreateSlotBitmap(4, canvas.stack.Format(4));
    canvas.stack.CreateSlotBitmap(6, canvas.stack.Format(4));
    FillBitmap(canvas.stack.Bitmap(4), 0x111111);
    FillBitmap(canvas.stack.Bitmap(6), 0x222222);
    CopySlotMasked(canvas.stack, 6, 4, 4);
    const SlotView big = canvas.View(6, 4);
    int copied = 0;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            const bool inside = x < 3 && y < 2;
            copied += LoadPixel(big.At(x, y)) == 0x111111;
            EXPECT_EQ(LoadPixel(big.At(x, y)), inside ? 0x111111u : 0x222222u) << x << "," << y;
        }
    }
    EXPECT_EQ(copied, 6);
}

// A 6 x 4 canvas (entry 0) and a 3 x 2 range (entry 4) with distinct pixels.
struct KeyedCanvas : TestCanvas {
    KeyedCanvas() : TestCanvas(6, 4) {
        stack.DefineFormat(4, 3, 2);
        stack.CreateSlotBitmap(4, stack.Format(4));
        Fill(0, 0xFFFFFF);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                Set(4, x, y, MakeColour(x + 1, y + 1, 0), 4);
    }
    // Where each range pixel landed on the canvas.
    PointSet Landed() const {
        PointSet points;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                if (Get(0, x, y) != 0xFFFFFF) points.insert({x, y});
        return points;
    }
};

TEST(CopyRectKeyed, CopiesTheClippedRectangle) {
    struct Case {
        const char* name;
        COLORREF key;
        int tx, ty, w, h, sx, sy;
        PointSet want;
    };
    const Case cases[] = {
        {"whole range",
         kNoKeyColour,
         1,
         1,
         -1,
         -1,
         0,
         0,
         {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}},
        {"key pixels are skipped",
         MakeColour(2, 1, 0),
         1,
         1,
         -1,
         -1,
         0,
         0,
         {{1, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}},
        {"part of the source", kNoKeyColour, 0, 0, 2, 1, 1, 1, {{0, 0}, {1, 0}}},
        {"over the right edge", kNoKeyColour, 5, 3, -1, -1, 0, 0, {{5, 3}}},
        {"from left of the source", kNoKeyColour, 0, 0, 3, 1, -2, 0, {{2, 0}}},
        {"to left of the target", kNoKeyColour, -2, 0, 3, 2, 0, 0, {{0, 0}, {0, 1}}},
        {"size past the source",
         kNoKeyColour,
         0,
         0,
         50,
         50,
         0,
         0,
         {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}}},
        {"negative size", kNoKeyColour, 0, 0, -2, 1, 0, 0, {}},
        {"huge sizes and offsets",
         kNoKeyColour,
         INT_MAX,
         INT_MIN,
         INT_MAX,
         INT_MAX,
         INT_MIN,
         INT_MAX,
         {}},
        {"huge size from the origin",
         kNoKeyColour,
         2,
         1,
         INT_MAX,
         INT_MAX,
         0,
         0,
         {{2, 1}, {3, 1}, {4, 1}, {2, 2}, {3, 2}, {4, 2}}},
    };
    for (const Case& c : cases) {
        KeyedCanvas canvas;
        CopyRectKeyed(canvas.stack, c.key, 0, c.tx, c.ty, c.w, c.h, 4, c.sx, c.sy, 0, 4, 0);
        EXPECT_EQ(canvas.Landed(), c.want) << c.name;
    }
}

TEST(CopyRectKeyed, PixelsLandWhereTheyBelong) {
    KeyedCanvas canvas;
    CopyRectKeyed(canvas.stack, kNoKeyColour, 0, 3, 2, -1, -1, 4, 0, 0, 0, 4, 0);
    EXPECT_EQ(canvas.Get(0, 3, 2), MakeColour(1, 1, 0));
    EXPECT_EQ(canvas.Get(0, 5, 3), MakeColour(3, 2, 0));
    // And back: the whole canvas into the range, sized by the smaller of the two.
    FillBitmap(canvas.stack.Bitmap(4), 0);
    CopyRectKeyed(canvas.stack, kNoKeyColour, 4, 0, 0, -1, -1, 0, 3, 2, 4, 0, 0);
    EXPECT_EQ(canvas.Get(4, 0, 0, 4), MakeColour(1, 1, 0));
    EXPECT_EQ(canvas.Get(4, 2, 1, 4), MakeColour(3, 2, 0));
    // The whole size stays the smaller slot's when the copy starts left of the target.
    FillBitmap(canvas.stack.Bitmap(4), 0);
    CopyRectKeyed(canvas.stack, kNoKeyColour, 4, -1, 0, -1, -1, 0, 0, 0, 4, 0, 0);
    EXPECT_EQ(canvas.Get(4, 1, 0, 4), 0xFFFFFFu);
    EXPECT_EQ(canvas.Get(4, 2, 0, 4), 0u);
}

TEST(CopyRectKeyed, MaskCountsOnlyWithTheFlag) {
    for (int flag : {0, 1}) {
        KeyedCanvas canvas;
        BitmapHandle mask = canvas.stack.Bitmap(LayerStack::kMaskSlot);
        std::fill_n(mask->pixels.get(), mask->ByteSize(), 255);
        // Each side is tested at its own offset: the target's pixel (2, 1) on the canvas, and
        // the range's pixel (0, 0), whose offset in the range is that of canvas pixel (4, 3).
        canvas.View(LayerStack::kMaskSlot).At(2, 1)[0] = 0;
        canvas.View(LayerStack::kMaskSlot).At(4, 3)[0] = 0;
        canvas.stack.maskEnabled = 1;
        CopyRectKeyed(canvas.stack, kNoKeyColour, 0, 1, 1, -1, -1, 4, 0, 0, 0, 4, flag);
        const PointSet all{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}};
        const PointSet masked{{3, 1}, {1, 2}, {2, 2}, {3, 2}};
        EXPECT_EQ(canvas.Landed(), flag ? masked : all) << flag;
        EXPECT_EQ(canvas.stack.maskEnabled, 1);
    }
}

// The plain keyed copy: every source pixel of the rectangle, each side tested by IsWritable in
// its own format with the mask on only when asked.
void PlainKeyedCopy(LayerStack& stack, COLORREF key, int target, int tx, int ty, int w, int h,
                    int source, int sx0, int sy0, int targetFormat, int sourceFormat, int useMask) {
    const SlotView to = ViewOf(stack, target, targetFormat);
    const SlotView from = ViewOf(stack, source, sourceFormat);
    const int saved = stack.maskEnabled;
    if (!useMask) stack.maskEnabled = 0;
    if (w == -1) w = std::min(to.width, from.width);
    if (h == -1) h = std::min(to.height, from.height);
    for (int sy = sy0; sy < sy0 + h; ++sy) {
        for (int sx = sx0; sx < sx0 + w; ++sx) {
            const int x = tx + sx - sx0, y = ty + sy - sy0;
            if (!from.Contains(sx, sy) || !to.Contains(x, y)) continue;
            if (!stack.IsWritable(sx, sy, from.Offset(sx, sy), sourceFormat) ||
                !stack.IsWritable(x, y, to.Offset(x, y), targetFormat))
                continue;
            if (LoadPixel(from.At(sx, sy)) != key) std::copy_n(from.At(sx, sy), 3, to.At(x, y));
        }
    }
    stack.maskEnabled = saved;
}

// Copies between the canvas and a range of another size, either way, partly outside both and
// under a ragged mask, must move exactly the pixels the plain copy does.
TEST(CopyRectKeyed, MatchesThePlainCopyBetweenFormats) {
    std::mt19937 rng(23);
    for (int i = 0; i < 400; ++i) {
        const int width = 1 + static_cast<int>(rng() % 25),
                  height = 1 + static_cast<int>(rng() % 25);
        const int rangeWidth = 1 + static_cast<int>(rng() % 20);
        const int rangeHeight = 1 + static_cast<int>(rng() % 20);
        TestCanvas canvas(width, height), plain(width, height);
        for (TestCanvas* c : {&canvas, &plain}) {
            c->stack.DefineFormat(4, rangeWidth, rangeHeight);
            c->stack.CreateSlotBitmap(4, c->stack.Format(4));
        }
        canvas.Randomise(5, rng, 3);
        // Distinct range pixels, a quarter of them of the key colour, like the canvas's greys.
        const COLORREF keyGrey = MakeColour(1, 1, 1);
        const SlotView range = canvas.View(4, 4);
        for (int y = 0; y < rangeHeight; ++y)
            for (int x = 0; x < rangeWidth; ++x)
                StorePixel(range.At(x, y), rng() % 4 ? MakeColour(x, y, 7) : keyGrey);
        canvas.MaskWhere([&](int, int) { return rng() % 3 != 0; });
        canvas.stack.maskEnabled = static_cast<int>(rng() % 2);
        plain.stack.maskEnabled = canvas.stack.maskEnabled;
        for (int slot : {3, 4, 5})
            LayerStack::CopyBitmap(plain.stack.Bitmap(slot), canvas.stack.Bitmap(slot));

        const bool intoRange = i % 2 == 1;
        const int target = intoRange ? 4 : 5, source = intoRange ? 5 : 4;
        const int targetFormat = intoRange ? 4 : 0, sourceFormat = intoRange ? 0 : 4;
        const COLORREF key = rng() % 2 ? kNoKeyColour : keyGrey;
        const auto coordinate = [&] { return static_cast<int>(rng() % 24) - 6; };
        const auto size = [&] { return rng() % 4 == 0 ? -1 : static_cast<int>(rng() % 30) - 2; };
        const int tx = coordinate(), ty = coordinate(), w = size(), h = size();
        const int sx = coordinate(), sy = coordinate(), useMask = static_cast<int>(rng() % 2);
        CopyRectKeyed(canvas.stack, key, target, tx, ty, w, h, source, sx, sy, targetFormat,
                      sourceFormat, useMask);
        PlainKeyedCopy(plain.stack, key, target, tx, ty, w, h, source, sx, sy, targetFormat,
                       sourceFormat, useMask);
        EXPECT_EQ(canvas.Bytes(target), plain.Bytes(target))
            << "copy " << w << "x" << h << " from " << sx << "," << sy << " to " << tx << "," << ty
            << (intoRange ? " into the range" : " onto the canvas");
    }
}

}  // namespace
}  // namespace daub
