#include "tools/write_gate.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::TestCanvas;

// The hoisted test must agree with IsWritable everywhere, including offsets past a mask that
// is smaller than the image, a missing mask and entries never defined.
TEST(WriteGate, AgreesWithIsWritable) {
    struct Case {
        const char* name;
        int maskWidth, maskHeight;  // 0: no mask bitmap
        int maskEnabled;
        int entry;
    };
    const Case cases[] = {
        {"mask off", 9, 7, 0, 0},        {"mask on", 9, 7, 1, 0},
        {"small mask", 4, 3, 1, 0},      {"no mask bitmap", 0, 0, 1, 0},
        {"odd maskEnabled", 9, 7, 2, 0}, {"range entry", 9, 7, 1, 4},
        {"undefined entry", 9, 7, 1, 6}, {"not an entry", 9, 7, 1, 25},
    };
    std::mt19937 rng(7);
    for (const Case& c : cases) {
        TestCanvas canvas(9, 7, {0});
        canvas.stack.DefineFormat(4, 5, 11);
        if (c.maskWidth > 0) {
            canvas.stack.DefineFormat(3, c.maskWidth, c.maskHeight);
            canvas.stack.CreateSlotBitmap(3, canvas.stack.Format(3));
            BitmapHandle mask = canvas.stack.Bitmap(3);
            for (std::size_t i = 0; i < mask->ByteSize(); ++i)
                mask->pixels[i] = (rng() & 1) ? 255 : static_cast<std::uint8_t>(rng() % 255);
        }
        canvas.stack.maskEnabled = c.maskEnabled;
        const WriteGate gate(canvas.stack, c.entry);
        for (int y = -2; y < 13; ++y) {
            for (int x = -2; x < 11; ++x) {
                const std::size_t offset = rng() % 400;
                EXPECT_EQ(gate.Writable(x, y, offset),
                          canvas.stack.IsWritable(x, y, offset, c.entry))
                    << c.name << " at " << x << "," << y << " offset " << offset;
            }
        }
        EXPECT_TRUE(WriteGate(canvas.stack, c.entry, false).MaskAllows(100000)) << c.name;
    }
}

TEST(WriteGate, ClipRangeNeverOverflows) {
    struct Case {
        std::int64_t start, count;
        int limit;
        int first, second;  // first == second: empty
    };
    const Case cases[] = {
        {2, 3, 10, 2, 5},
        {-2, 5, 10, 0, 3},
        {8, 5, 10, 8, 10},
        {-5, 3, 10, 0, 0},
        {4, -3, 10, 0, 0},
        {INT_MIN, std::int64_t{INT_MAX} * 2, 10, 0, 10},
        {INT_MAX, INT_MAX, 10, 0, 0},
        {0, 4, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const IndexRange r = ClipRange(c.start, c.count, c.limit);
        if (c.first == c.second) {
            EXPECT_TRUE(r.Empty()) << c.start << "+" << c.count;
        } else {
            EXPECT_EQ(r.first, c.first) << c.start << "+" << c.count;
            EXPECT_EQ(r.second, c.second) << c.start << "+" << c.count;
        }
    }
}

}  // namespace
}  // namespace daub
