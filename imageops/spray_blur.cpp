#include "imageops/spray_blur.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "document/slot_view.h"
#include "imageops/spray_square.h"

namespace daub {
namespace {

// What one column of the current row window holds: the channel sums and the number of
// pixels that count (those not of the excluded colour).
struct ColumnSum {
    std::uint32_t b = 0, g = 0, r = 0, n = 0;
};

// Running sums over a moving window of source rows, one entry per column in [first, last).
class ColumnSums {
  public:
    ColumnSums(int first, int last, COLORREF excluded)
        : first_(first), sums_(static_cast<std::size_t>(last - first)), excluded_(excluded) {}

    const ColumnSum& At(int column) const { return sums_[column - first_]; }

    // Adds (sign +1) or removes (sign -1) one source row.
    void Apply(const std::uint8_t* row, int sign) {
        const std::uint8_t* p = row + 3 * static_cast<std::size_t>(first_);
        for (ColumnSum& s : sums_) {
            if (LoadPixel(p) != excluded_) {
                // Unsigned wrap makes the removal exact: every removed row was added before.
                s.b += static_cast<std::uint32_t>(sign * p[0]);
                s.g += static_cast<std::uint32_t>(sign * p[1]);
                s.r += static_cast<std::uint32_t>(sign * p[2]);
                s.n += static_cast<std::uint32_t>(sign);
            }
            p += 3;
        }
    }

  private:
    int first_;
    std::vector<ColumnSum> sums_;
    COLORREF excluded_;
};

// The horizontal window: the sum of the column sums it spans.
struct WindowSum {
    std::uint64_t b = 0, g = 0, r = 0, n = 0;
    void Add(const ColumnSum& s) {
        b += s.b;
        g += s.g;
        r += s.r;
        n += s.n;
    }
    void Remove(const ColumnSum& s) {
        b -= s.b;
        g -= s.g;
        r -= s.r;
        n -= s.n;
    }
    // The truncated means, B, G, R. Windows of ordinary radii stay far below 2^32, where the
    // narrow division is several times faster than the wide one.
    void Mean(std::uint8_t* out) const {
        if ((b | g | r | n) >> 32 == 0) {
            const auto d = static_cast<std::uint32_t>(n);
            out[0] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(b) / d);
            out[1] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(g) / d);
            out[2] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(r) / d);
            return;
        }
        out[0] = static_cast<std::uint8_t>(b / n);
        out[1] = static_cast<std::uint8_t>(g / n);
        out[2] = static_cast<std::uint8_t>(r / n);
    }
};

}  // namespace

void SprayBlur(LayerStack& stack, COLORREF excludedColour, int sourceSlot, int cx, int cy, int w,
               int h, int strength, int targetSlot, int formatEntry) {
    const int targets[] = {targetSlot};
    SprayBlurInto(stack, excludedColour, sourceSlot, cx, cy, w, h, strength, targets, formatEntry);
}

void SprayBlurInto(LayerStack& stack, COLORREF excludedColour, int sourceSlot, int cx, int cy,
                   int w, int h, int strength, std::span<const int> targetSlots, int formatEntry) {
    const SlotView source = ViewOf(stack, sourceSlot, formatEntry);
    if (!source) return;
    std::vector<std::uint8_t*> targets;
    bool aliased = false;
    for (int slot : targetSlots) {
        const SlotView target = ViewOf(stack, slot, formatEntry);
        if (!target) continue;
        targets.push_back(target.bits);
        aliased = aliased || target.bits == source.bits;
    }
    if (targets.empty()) return;
    int radius = strength >> 1;
    if (radius == 0) radius = 1;
    // A negative strength gives an empty neighbourhood: nothing to average, nothing written.
    if (radius < 0) return;
    // Beyond the image's larger side a wider radius takes in no further pixel.
    radius = std::min(radius, std::max(source.width, source.height));
    const SprayArea area = ClipSprayArea(cx, cy, w, h, source.width, source.height);
    if (area.Empty()) return;
    const WriteGate gate(stack, formatEntry);

    // Source rows [firstRow, lastRow) and columns [firstColumn, lastColumn) feed the square.
    const int firstRow = std::max(area.rows.first - radius, 0);
    const int lastRow = std::min(area.rows.second + radius, source.height);
    const int firstColumn = std::max(area.columns.first - radius, 0);
    const int lastColumn = std::min(area.columns.second + radius, source.width);

    // Writing into the source would feed written pixels back into later averages, so the
    // rows that feed the square are read from a copy then.
    std::vector<std::uint8_t> copy;
    if (aliased) {
        const std::uint8_t* from = source.At(0, lastRow - 1);  // rows are stored bottom-up
        copy.assign(from, from + static_cast<std::size_t>(source.stride) * (lastRow - firstRow));
    }
    const auto sourceRow = [&](int y) -> const std::uint8_t* {
        if (!aliased) return source.At(0, y);
        return copy.data() + static_cast<std::size_t>(source.stride) * (lastRow - 1 - y);
    };

    ColumnSums columns(firstColumn, lastColumn, excludedColour);
    for (int y = firstRow; y < std::min(area.rows.first + radius + 1, lastRow); ++y)
        columns.Apply(sourceRow(y), +1);
    for (int y = area.rows.first; y < area.rows.second; ++y) {
        if (y > area.rows.first) {
            if (y + radius < lastRow) columns.Apply(sourceRow(y + radius), +1);
            if (y - radius - 1 >= firstRow) columns.Apply(sourceRow(y - radius - 1), -1);
        }
        WindowSum window;
        const int x0 = area.columns.first;
        for (int i = std::max(x0 - radius, firstColumn); i < std::min(x0 + radius + 1, lastColumn);
             ++i)
            window.Add(columns.At(i));
        for (int x = x0; x < area.columns.second; ++x) {
            if (x > x0) {
                if (x + radius < lastColumn) window.Add(columns.At(x + radius));
                if (x - radius - 1 >= firstColumn) window.Remove(columns.At(x - radius - 1));
            }
            const std::size_t offset = source.Offset(x, y);
            if (window.n == 0 || !gate.MaskAllows(offset)) continue;
            std::uint8_t mean[3];
            window.Mean(mean);
            for (std::uint8_t* bits : targets)
                std::memcpy(bits + offset, mean, 3);
        }
    }
}

}  // namespace daub
