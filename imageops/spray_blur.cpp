#include "imageops/spray_blur.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "document/pixel_block.h"
#include "document/slot_view.h"
#include "imageops/blur_source_rows.h"
#include "imageops/blur_sums.h"
#include "imageops/fast_row_means.h"
#include "imageops/spray_square.h"

namespace daub {

namespace {

// What stays the same for every row of one blur.
struct BlurPass {
    const SlotView& source;
    const WriteGate& gate;
    const std::vector<std::uint8_t*>& targets;
    SprayArea area;
    int radius;
    int firstRow, lastRow;        // the rows that feed the square
    int firstColumn, lastColumn;  // the columns that feed the square
    std::uint64_t maxCount = 0;   // the most pixels one window can hold
    bool stream = false;          // rows written past the caches (see kStreamBytes)

    std::uint64_t Pixels() const {
        return static_cast<std::uint64_t>(area.columns.second - area.columns.first) *
               static_cast<std::uint64_t>(area.rows.second - area.rows.first);
    }

    // Narrow sums are cheaper; they serve whenever no window's sums can reach 2^32.
    void Row(int y, const ColumnSums& columns, const MeanDivider& divider, RowMeans& means) const {
        if (maxCount < (std::uint64_t{1} << 32) / 256)
            MeansWith<std::uint32_t>(y, columns, divider, means);
        else
            MeansWith<std::uint64_t>(y, columns, divider, means);
        Write(y, means);
    }

    // The window slides along the row's column sums; the excluded pixels' share comes out
    // of each window's sums before the mean is taken. In the middle of the row the window
    // gains and loses one column at every step and always spans 2 * radius + 1 columns.
    template <typename Int>
    void MeansWith(int y, const ColumnSums& columns, const MeanDivider& divider,
                   RowMeans& means) const {
        const int x0 = area.columns.first, x1 = area.columns.second;
        const Int rowsIn = static_cast<Int>(RowsIn(y));
        const std::uint32_t* channels = columns.Channels(firstColumn);
        const std::uint32_t* excluded = columns.Excluded(firstColumn);
        const std::uint8_t* e = columns.ExcludedBytes();
        const Int eb = e[0], eg = e[1], er = e[2];
        const std::uint64_t* table = divider.Table();
        const std::uint64_t tableSize = divider.TableSize();
        Int b = 0, g = 0, r = 0, k = 0;
        const auto add = [&](int column) {
            const auto i = static_cast<std::size_t>(column - firstColumn);
            b += channels[3 * i];
            g += channels[3 * i + 1];
            r += channels[3 * i + 2];
            k += excluded[i];
        };
        const auto remove = [&](int column) {
            const auto i = static_cast<std::size_t>(column - firstColumn);
            b -= channels[3 * i];
            g -= channels[3 * i + 1];
            r -= channels[3 * i + 2];
            k -= excluded[i];
        };
        std::uint8_t* out = means.pixels.data();
        std::uint8_t* present = means.present.data();
        bool complete = true;
        const auto mean = [&](int x, Int count) {
            const auto i = static_cast<std::size_t>(x - x0);
            const Int n = count - k;
            present[i] = n != 0;
            if (n == 0)
                complete = false;
            else if (k == 0)
                MeanDivider::Mean(table, tableSize, b, g, r, n, out + 3 * i);
            else
                MeanDivider::Mean(table, tableSize, b - k * eb, g - k * eg, r - k * er, n,
                                  out + 3 * i);
        };
        const auto edge = [&](int x) {
            if (x > x0) {
                if (x + radius < lastColumn) add(x + radius);
                if (x - radius - 1 >= firstColumn) remove(x - radius - 1);
            }
            const Int columnsIn = static_cast<Int>(std::min(x + radius + 1, lastColumn) -
                                                   std::max(x - radius, firstColumn));
            mean(x, columnsIn * rowsIn);
        };

        for (int i = std::max(x0 - radius, firstColumn); i < std::min(x0 + radius + 1, lastColumn);
             ++i)
            add(i);
        const int steadyFirst = std::min(std::max(x0 + 1, firstColumn + radius + 1), x1);
        const int steadyLast = std::max(steadyFirst, std::min(x1, lastColumn - radius));
        const Int steadyCount = static_cast<Int>(2 * radius + 1) * rowsIn;
        int x = x0;
        for (; x < steadyFirst; ++x)
            edge(x);
        for (; x < steadyLast; ++x) {
            add(x + radius);
            remove(x - radius - 1);
            mean(x, steadyCount);
        }
        for (; x < x1; ++x)
            edge(x);
        means.complete = complete;
    }

    int RowsIn(int y) const {
        return std::min(y + radius + 1, lastRow) - std::max(y - radius, firstRow);
    }

    // The column sums slide up the rows of the square, from the bottom: rows are stored
    // bottom-up, so every row read and written lies just after the last one in memory,
    // which keeps the prefetcher streaming. eachRow(y) takes the means of row y once the
    // sums hold its window.
    template <typename Sums, typename Rows, typename EachRow>
    void SlideRows(Sums& columns, Rows& rows, EachRow eachRow) const {
        const int bottom = area.rows.second - 1;
        for (int y = lastRow - 1; y >= std::max(bottom - radius, firstRow); --y)
            columns.Add(rows.Entering(y));
        for (int y = bottom; y >= area.rows.first; --y) {
            if (y < bottom) {
                const bool adds = y - radius >= firstRow, removes = y + radius + 1 < lastRow;
                if (adds && removes)
                    columns.Slide(rows.Entering(y - radius), rows.Leaving(y + radius + 1));
                else if (adds)
                    columns.Add(rows.Entering(y - radius));
                else if (removes)
                    columns.Remove(rows.Leaving(y + radius + 1));
            }
            eachRow(y);
        }
    }

    // Without a mask, a row whose every pixel has a mean is copied whole.
    void Write(int y, const RowMeans& means) const {
        const int x0 = area.columns.first, x1 = area.columns.second;
        const std::size_t start = source.Offset(x0, y);
        if (means.complete && !gate.MaskOn()) {
            const std::size_t bytes = 3 * static_cast<std::size_t>(x1 - x0);
            for (std::uint8_t* bits : targets) {
#if defined(__SSE2__)
                if (stream) {
                    simd::StreamCopy(bits + start, means.pixels.data(), bytes);
                    continue;
                }
#endif
                std::memcpy(bits + start, means.pixels.data(), bytes);
            }
            return;
        }
        for (int x = x0; x < x1; ++x) {
            const auto i = static_cast<std::size_t>(x - x0);
            const std::size_t offset = start + 3 * i;
            if (!means.present[i] || !gate.MaskAllows(offset)) continue;
            for (std::uint8_t* bits : targets)
                std::memcpy(bits + offset, &means.pixels[3 * i], 3);
        }
    }
};

constexpr std::uint64_t kStreamBytes = 32 << 20;

void FinishStreaming([[maybe_unused]] const BlurPass& pass) {
#if defined(__SSE2__)
    if (pass.stream) simd::Fence();
#endif
}

}  // namespace

void SprayBlur(LayerStack& stack, COLORREF excludedColour, int sourceSlot, int cx, int cy, int w,
               int h, int strength, int targetSlot, int formatEntry) {
    const int targets[] = {targetSlot};
    SprayBlurInto(stack, excludedColour, sourceSlot, cx, cy, w, h, strength, targets, formatEntry);
}

namespace {

// SprayBlurInto, saving every source row into `save` first when it is given.
void BlurFrom(LayerStack& stack, COLORREF excludedColour, const SlotView& source,
              std::uint8_t* save, int cx, int cy, int w, int h, int strength,
              std::span<const int> targetSlots, int formatEntry) {
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

    SourceRows rows(source, aliased, save, firstRow, lastRow);

    const auto span = static_cast<std::uint64_t>(2 * std::int64_t{radius} + 1);
    BlurPass pass{source, gate, targets, area, radius, firstRow, lastRow, firstColumn, lastColumn};
    pass.maxCount = std::min<std::uint64_t>(span, lastColumn - firstColumn) *
                    std::min<std::uint64_t>(span, lastRow - firstRow);
    RowMeans means(static_cast<std::size_t>(area.columns.second - area.columns.first));
    // Results larger than any cache (a whole-picture blur) are not read again soon: storing
    // past the caches spares reading the old pixels first.
    pass.stream = 3 * pass.Pixels() * targets.size() >= kStreamBytes;
    if (pass.maxCount <= FastRowMeans::kMaxCount) {
        // The windows of every strength the settings offer.
        ExcludingColumnSums columns(firstColumn, lastColumn, excludedColour, radius + 1);
        FastRowMeans fast(area.columns.first, area.columns.second);
        pass.SlideRows(columns, rows, [&](int y) {
            fast.Row(columns,
                     {area.columns.first, area.columns.second, firstColumn, lastColumn, radius,
                      pass.RowsIn(y)},
                     means);
            pass.Write(y, means);
        });
        FinishStreaming(pass);
        return;
    }
    const MeanDivider divider(pass.maxCount, pass.Pixels());
    ColumnSums columns(firstColumn, lastColumn, excludedColour);
    pass.SlideRows(columns, rows, [&](int y) { pass.Row(y, columns, divider, means); });
    FinishStreaming(pass);
}

}  // namespace

void SprayBlurInto(LayerStack& stack, COLORREF excludedColour, int sourceSlot, int cx, int cy,
                   int w, int h, int strength, std::span<const int> targetSlots, int formatEntry) {
    const SlotView source = ViewOf(stack, sourceSlot, formatEntry);
    if (!source) return;
    BlurFrom(stack, excludedColour, source, nullptr, cx, cy, w, h, strength, targetSlots,
             formatEntry);
}

void BlurWholeSaving(LayerStack& stack, COLORREF excludedColour, int sourceSlot, int saveSlot,
                     int strength, std::span<const int> targetSlots, int formatEntry) {
    const SlotView source = ViewOf(stack, sourceSlot, formatEntry);
    const SlotView save = ViewOf(stack, saveSlot, formatEntry);
    const int width = stack.Width(formatEntry), height = stack.Height(formatEntry);
    // Every row enters the window once, so every row gets saved; that needs a blur that
    // runs, and targets other than the copy.
    bool fused = source && save && source.bits != save.bits && strength >> 1 >= 0;
    bool anyTarget = false;
    for (int slot : targetSlots) {
        const SlotView target = ViewOf(stack, slot, formatEntry);
        fused = fused && target.bits != save.bits;
        anyTarget = anyTarget || target;
    }
    if (fused && anyTarget) {
        BlurFrom(stack, excludedColour, source, save.bits, width / 2, height / 2, width, height,
                 strength, targetSlots, formatEntry);
        return;
    }
    LayerStack::CopyBitmap(stack.Bitmap(saveSlot), stack.Bitmap(sourceSlot));
    SprayBlurInto(stack, excludedColour, saveSlot, width / 2, height / 2, width, height, strength,
                  targetSlots, formatEntry);
}

}  // namespace daub
