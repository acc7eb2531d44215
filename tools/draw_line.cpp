#include "tools/draw_line.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "tools/stamp_block.h"

namespace daub {
namespace {

struct QuotRem {
    std::int64_t quot;
    std::int64_t rem;
};

// a * b / c with its remainder, for 0 <= a <= c, 0 <= b <= c and 0 < c < 2^33: the product may
// not fit in 64 bits, so it is taken in two halves of a.
QuotRem MulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
    const std::int64_t high = (a >> 16) * b;
    const std::int64_t part = (high % c) * 65536 + (a & 0xFFFF) * b;
    return {(high / c) * 65536 + part / c, part % c};
}

// One Bresenham walk: `major` runs from start over length steps, `minor` moves by step each
// time the error (starting at length >> 1) runs out. Only the steps whose blocks can reach the
// image are taken; the state at the first of them is computed directly, which keeps lines
// with far-off end points cheap.
struct Walk {
    std::int64_t major, minor;  // the start point
    std::int64_t length, rise;  // |difference| along the major and the minor axis
    int step;
};

template <typename StampFn>
void RunWalk(const Walk& walk, CentreSpan reach, StampFn stamp) {
    const std::int64_t first = std::max<std::int64_t>(0, reach.first - walk.major);
    const std::int64_t last = std::min<std::int64_t>(walk.length, reach.last - walk.major);
    if (first > last) return;
    const std::int64_t err0 = walk.length >> 1;
    std::int64_t err = err0;
    std::int64_t moves = 0;
    if (first > 0) {
        // After n steps err lies in [0, length) and equals err0 - n * rise + moves * length.
        const QuotRem q = MulDiv(first, walk.rise, walk.length);
        const std::int64_t extra = q.rem > err0 ? 1 : 0;
        moves = q.quot + extra;
        err = err0 - q.rem + extra * walk.length;
    }
    std::int64_t minor = walk.minor + walk.step * moves;
    stamp(walk.major + first, minor);
    for (std::int64_t n = first + 1; n <= last; ++n) {
        err -= walk.rise;
        if (err < 0) {
            minor += walk.step;
            err += walk.length;
        }
        stamp(walk.major + n, minor);
    }
}

}  // namespace

void DrawLine(LayerStack& stack, COLORREF colour, int x0, int y0, int x1, int y1, int w, int h,
              int targetSlot, int sourceSlot) {
    const BlockStamper stamper(stack, colour, targetSlot, w, h, sourceSlot, 0);
    if (!stamper) return;
    const std::int64_t dx = std::abs(std::int64_t{x0} - x1);
    const std::int64_t dy = std::abs(std::int64_t{y0} - y1);
    if (dx > dy) {
        if (x0 > x1) {
            std::swap(x0, x1);
            std::swap(y0, y1);
        }
        const Walk walk{x0, y0, dx, dy, y1 > y0 ? 1 : -1};
        RunWalk(walk, stamper.ColumnCentres(),
                [&](std::int64_t x, std::int64_t y) { stamper.Stamp(x, y); });
    } else {
        if (y0 > y1) {
            std::swap(x0, x1);
            std::swap(y0, y1);
        }
        const Walk walk{y0, x0, dy, dx, x1 > x0 ? 1 : -1};
        RunWalk(walk, stamper.RowCentres(),
                [&](std::int64_t y, std::int64_t x) { stamper.Stamp(x, y); });
    }
}

}  // namespace daub
