#include "document/view_stretch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "document/pixel_block.h"

namespace daub {
namespace {

// Source indices [first, last), counted from the source rectangle's start.
struct Span {
    std::int64_t first = 0;
    std::int64_t last = 0;
    bool operator==(const Span&) const = default;
};

// The source indices that land on destination index i. Enlarging picks one source pixel,
// i * source / destination rounded down, so a whole ratio k gives blocks of k. Shrinking
// sends source index s to destination s * destination / source rounded down; the ones that
// share a destination index are the dropped ones combined with the kept one.
Span SourceSpan(std::int64_t i, std::int64_t destinationLength, std::int64_t sourceLength) {
    if (sourceLength <= destinationLength) {
        const std::int64_t s = i * sourceLength / destinationLength;
        return {s, s + 1};
    }
    auto ceilDiv = [](std::int64_t a, std::int64_t b) { return (a + b - 1) / b; };
    return {ceilDiv(i * sourceLength, destinationLength),
            ceilDiv((i + 1) * sourceLength, destinationLength)};
}

// The span in slot indices, clipped to the slot.
Span SlotSpan(std::int64_t i, std::int64_t destinationLength, int sourceStart, int sourceLength,
              int slotLength) {
    const Span s = SourceSpan(i, destinationLength, sourceLength);
    const std::int64_t first = std::max<std::int64_t>(sourceStart + s.first, 0);
    const std::int64_t last = std::min<std::int64_t>(sourceStart + s.last, slotLength);
    return first < last ? Span{first, last} : Span{};
}

// The part [first, last) of 0 .. length whose positions start + i lie in 0 .. limit.
Span VisibleRange(int start, int length, int limit) {
    const std::int64_t first = std::max<std::int64_t>(0, -std::int64_t{start});
    const std::int64_t last = std::min<std::int64_t>(length, std::int64_t{limit} - start);
    return first < last ? Span{first, last} : Span{};
}

// target = the AND of four rows, or target &= it when `into`. Four rows a pass keep four
// reads in flight from memory, which shrinking needs more than anything; fewer rows are
// given as repeats, which change nothing in an AND.
void AndFour(std::uint8_t* target, const std::uint8_t* const (&rows)[4], std::size_t bytes,
             bool into) {
    const std::uint8_t *a = rows[0], *b = rows[1], *c = rows[2], *d = rows[3];
    std::size_t i = 0;
#if defined(__SSE2__)
    const auto load = [](const std::uint8_t* p) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    };
    for (; i + 16 <= bytes; i += 16) {
        __m128i v = _mm_and_si128(_mm_and_si128(load(a + i), load(b + i)),
                                  _mm_and_si128(load(c + i), load(d + i)));
        if (into) v = _mm_and_si128(v, load(target + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + i), v);
    }
#endif
    for (; i < bytes; ++i)
        target[i] =
            static_cast<std::uint8_t>(a[i] & b[i] & c[i] & d[i] & (into ? target[i] : 0xFF));
}

// What every row of one frame shares: the run of columns that show source pixels, the
// bytes of a source row they read, and where they go in an image row.
struct ColumnPlan {
    const ColumnSpan* columns = nullptr;  // the first used column
    std::size_t count = 0;
    std::size_t firstByte = 0, endByte = 0;
    std::size_t outColumn = 0;  // byte offset in the image row
    int widest = 0;
    bool straight = false;  // one source pixel per column, side by side: a plain copy
    bool uniform = false;   // every column widest pixels wide, each starting where the last ends

    std::size_t SourceBytes() const { return endByte - firstByte; }
    std::size_t OutBytes() const { return 3 * count; }
};

// Shrinking by a whole ratio K, as every zoom step below 1 does on most canvases: the AND of
// K words for each column, walking the row without the column map.
template <int K>
void CombineUniform(std::uint8_t* out, const std::uint8_t* row, std::size_t count, int k) {
    const int width = K > 0 ? K : k;
    for (std::size_t c = 0; c < count; ++c, row += 3 * static_cast<std::size_t>(width)) {
        std::uint32_t v = Load32(row);
        for (int i = 1; i < width; ++i)
            v &= Load32(row + 3 * static_cast<std::size_t>(i));
        if (c + 1 < count)
            Store32(out + 3 * c, v);
        else
            std::memcpy(out + 3 * c, &v, 3);
    }
}

// Shrinking: each column the AND of its source pixels. The row holds SourceBytes() plus at
// least one more readable byte, so every pixel is read as one word.
void CombineColumns(std::uint8_t* out, const std::uint8_t* row, const ColumnPlan& plan) {
    if (plan.uniform) {
        switch (plan.widest) {
            case 2:
                return CombineUniform<2>(out, row, plan.count, 2);
            case 4:
                return CombineUniform<4>(out, row, plan.count, 4);
            default:
                return CombineUniform<0>(out, row, plan.count, plan.widest);
        }
    }
    for (std::size_t c = 0; c < plan.count; ++c) {
        const ColumnSpan& span = plan.columns[c];
        const std::uint8_t* p = row + (span.offset - plan.firstByte);
        std::uint32_t v = Load32(p);
        for (int k = 1; k < span.count; ++k)
            v &= Load32(p + 3 * static_cast<std::size_t>(k));
        if (c + 1 < plan.count)
            Store32(out + 3 * c, v);
        else
            std::memcpy(out + 3 * c, &v, 3);
    }
}

// Enlarging or clipped: one source pixel per column. Word moves wherever the word read stays
// inside the source bytes.
void PickColumns(std::uint8_t* out, const std::uint8_t* row, const ColumnPlan& plan) {
    std::size_t c = 0;
    const std::size_t last = plan.count - 1;
    for (; c < last && plan.columns[c].offset + 4 <= plan.endByte; ++c)
        Store32(out + 3 * c, Load32(row + (plan.columns[c].offset - plan.firstByte)));
    for (; c <= last; ++c)
        std::memcpy(out + 3 * c, row + (plan.columns[c].offset - plan.firstByte), 3);
}

// The column map of one frame; false when no column shows a source pixel.
bool PlanColumns(ViewImage& image, const Rect& destination, const ConstSlotView& source,
                 const Rect& sourceRect, const Span& across, ColumnPlan& plan) {
    std::vector<ColumnSpan>& columns = image.columns;
    columns.assign(static_cast<std::size_t>(across.last - across.first), ColumnSpan{});
    std::size_t used = columns.size(), usedEnd = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Span s = SlotSpan(across.first + static_cast<std::int64_t>(c), destination.width,
                                sourceRect.x, sourceRect.width, source.width);
        if (s.first == s.last) continue;
        columns[c] = {3 * static_cast<std::size_t>(s.first), static_cast<int>(s.last - s.first)};
        used = std::min(used, c);
        usedEnd = c + 1;
        plan.widest = std::max(plan.widest, columns[c].count);
    }
    if (usedEnd == 0) return false;
    // The valid columns are one run, since the map only moves forward and is clipped at both
    // ends.
    plan.columns = columns.data() + used;
    plan.count = usedEnd - used;
    plan.firstByte = columns[used].offset;
    plan.endByte = columns[usedEnd - 1].offset + 3 * columns[usedEnd - 1].count;
    plan.straight = plan.widest == 1 && plan.SourceBytes() == plan.OutBytes();
    plan.uniform = plan.SourceBytes() == 3 * static_cast<std::size_t>(plan.widest) * plan.count;
    plan.outColumn = 3 * static_cast<std::size_t>(destination.x + across.first +
                                                  static_cast<std::int64_t>(used));
    return true;
}

// The source rows of a group ANDed into the image's working row, which keeps a spare word
// at its end for CombineColumns.
const std::uint8_t* CombineRows(ViewImage& image, const ConstSlotView& source, const Span& rows,
                                const ColumnPlan& plan) {
    const std::size_t bytes = plan.SourceBytes();
    image.rowAnd.resize(bytes + 4);
    std::uint8_t* acc = image.rowAnd.data();
    const auto row = [&](std::int64_t r) {
        return source.At(0, static_cast<int>(r)) + plan.firstByte;
    };
    // Upwards from the lowest row, which is first in memory, four neighbouring rows at a
    // time: the reads stay close to one forward stream.
    for (std::int64_t r = rows.last - 1; r >= rows.first; r -= 4) {
        const std::uint8_t* four[4] = {row(r), row(r), row(r), row(r)};
        for (int k = 1; k < 4 && r - k >= rows.first; ++k)
            four[k] = row(r - k);
        AndFour(acc, four, bytes, r < rows.last - 1);
    }
    return acc;
}

void WriteRow(ViewImage& image, std::uint8_t* out, const ConstSlotView& source, const Span& rows,
              const ColumnPlan& plan) {
    const std::uint8_t* row = source.At(0, static_cast<int>(rows.last - 1)) + plan.firstByte;
    if (plan.straight) {
        std::memcpy(out, row, plan.OutBytes());
    } else if (plan.widest == 1) {
        PickColumns(out, row, plan);
    } else {
        CombineColumns(out, CombineRows(image, source, rows, plan), plan);
    }
}

}  // namespace

Rect StretchCovering(ViewImage& image, const Rect& destination, const ConstSlotView& source,
                     const Rect& sourceRect) {
    if (!source || destination.width <= 0 || destination.height <= 0 || sourceRect.width <= 0 ||
        sourceRect.height <= 0)
        return {};
    const Span across = VisibleRange(destination.x, destination.width, image.width);
    const Span down = VisibleRange(destination.y, destination.height, image.height);
    if (across.first == across.last || down.first == down.last) return {};
    ColumnPlan plan;
    if (!PlanColumns(image, destination, source, sourceRect, across, plan)) return {};

    // Bottom row first, and within a group the lowest source row first: both images are
    // stored bottom-up, so every read and write then moves forward through memory, which
    // keeps the prefetcher streaming when a shrink reads the whole canvas.
    Span previous;
    int previousRow = -1, top = image.height, bottom = -1;
    for (std::int64_t j = down.last - 1; j >= down.first; --j) {
        const Span rows =
            SlotSpan(j, destination.height, sourceRect.y, sourceRect.height, source.height);
        if (rows.first == rows.last) continue;
        const int y = static_cast<int>(destination.y + j);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        std::uint8_t* out = image.Row(y) + plan.outColumn;
        if (rows == previous) {
            // Enlarging: the row is the one below once more.
            std::memcpy(out, image.Row(previousRow) + plan.outColumn, plan.OutBytes());
            continue;
        }
        previous = rows;
        previousRow = y;
        WriteRow(image, out, source, rows, plan);
    }
    if (bottom < 0) return {};
    return {static_cast<int>(plan.outColumn / 3), top, static_cast<int>(plan.count),
            bottom - top + 1};
}

void StretchInto(ViewImage& image, const Rect& destination, const ConstSlotView& source,
                 const Rect& sourceRect) {
    StretchCovering(image, destination, source, sourceRect);
}

}  // namespace daub
