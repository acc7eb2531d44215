#include "imageops/curve_preview.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "tools/write_gate.h"

namespace daub {
namespace {

// The steps n of a walk start + step * n that land in [0, size).
void KeepInside(std::int64_t start, int step, int size, std::int64_t& first, std::int64_t& last) {
    const std::int64_t lo = step > 0 ? -start : start - (size - 1);
    const std::int64_t hi = step > 0 ? size - 1 - start : start;
    first = std::max(first, lo);
    last = std::min(last, hi);
}

}  // namespace

void FillMarker(const SlotView& slot, COLORREF colour, int left, int top, int right, int bottom) {
    if (!slot) return;
    const IndexRange columns = ClipRange(left, std::int64_t{right} - left, slot.width);
    const IndexRange rows = ClipRange(top, std::int64_t{bottom} - top, slot.height);
    if (columns.Empty() || rows.Empty()) return;
    for (int y = rows.first; y < rows.second; ++y)
        for (int x = columns.first; x < columns.second; ++x)
            StorePixel(slot.At(x, y), colour);
}

// The major axis moves one pixel a step; the minor one follows the exact line, rounded.
void PreviewLine(const SlotView& slot, COLORREF colour, Point a, Point b) {
    if (!slot) return;
    const std::int64_t dx = std::int64_t{b.x} - a.x, dy = std::int64_t{b.y} - a.y;
    const std::int64_t length = std::max(std::abs(dx), std::abs(dy));
    if (length == 0) return;
    const bool wide = std::abs(dx) >= std::abs(dy);
    const int step = (wide ? dx : dy) > 0 ? 1 : -1;
    std::int64_t first = 0, last = length - 1;
    KeepInside(wide ? a.x : a.y, step, wide ? slot.width : slot.height, first, last);
    const double slope = static_cast<double>(wide ? dy : dx) / static_cast<double>(length);
    for (std::int64_t n = first; n <= last; ++n) {
        const std::int64_t major = (wide ? a.x : a.y) + step * n;
        const std::int64_t minor =
            (wide ? a.y : a.x) + static_cast<std::int64_t>(std::floor(slope * n + 0.5));
        const std::int64_t x = wide ? major : minor, y = wide ? minor : major;
        if (x >= 0 && y >= 0 && x < slot.width && y < slot.height)
            StorePixel(slot.At(static_cast<int>(x), static_cast<int>(y)), colour);
    }
}

}  // namespace daub
