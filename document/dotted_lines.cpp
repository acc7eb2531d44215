#include "document/dotted_lines.h"

#include <algorithm>
#include <cstdint>

namespace daub {
namespace {

// Draws `length` pixels from (x, y) in steps of (dx, dy), the first at pattern position
// `phase`, and returns the position after the last.
std::int64_t DrawRun(ViewImage& image, std::int64_t x, std::int64_t y, int dx, int dy,
                     std::int64_t length, std::int64_t phase, const DottedPen& pen) {
    // The steps i for which the pixel lies inside the image, along the moving axis.
    std::int64_t first = 0, last = length;  // [first, last)
    auto clip = [&](std::int64_t start, int step, int limit) {
        if (step == 0) {
            if (start < 0 || start >= limit) last = first;
            return;
        }
        // start + step * i in [0, limit)
        std::int64_t lo = step > 0 ? -start : start - (limit - 1);
        std::int64_t hi = step > 0 ? limit - start : start + 1;
        first = std::max(first, lo);
        last = std::min(last, hi);
    };
    clip(x, dx, image.width);
    clip(y, dy, image.height);
    for (std::int64_t i = first; i < last; ++i) {
        const bool on = (phase + i) % (2 * kDotRun) < kDotRun;
        image.Set(static_cast<int>(x + dx * i), static_cast<int>(y + dy * i),
                  on ? pen.colour : pen.gap);
    }
    return phase + length;
}

}  // namespace

void DrawDottedPolyline(ViewImage& image, const Point* points, std::size_t count,
                        const DottedPen& pen) {
    std::int64_t phase = 0;
    for (std::size_t i = 1; i < count; ++i) {
        const Point from = points[i - 1];
        const Point to = points[i];
        const std::int64_t dx = std::int64_t{to.x} - from.x;
        const std::int64_t dy = std::int64_t{to.y} - from.y;
        if (dx != 0 && dy != 0) continue;
        if (dx == 0 && dy == 0) continue;
        const int stepX = dx > 0 ? 1 : dx < 0 ? -1 : 0;
        const int stepY = dy > 0 ? 1 : dy < 0 ? -1 : 0;
        phase = DrawRun(image, from.x, from.y, stepX, stepY, dx != 0 ? dx * stepX : dy * stepY,
                        phase, pen);
    }
}

}  // namespace daub
