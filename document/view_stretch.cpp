#include "document/view_stretch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

void AndInto(std::uint8_t* target, const std::uint8_t* source, std::size_t bytes) {
    std::size_t i = 0;
    for (; i + 8 <= bytes; i += 8) {
        std::uint64_t a, b;
        std::memcpy(&a, target + i, 8);
        std::memcpy(&b, source + i, 8);
        a &= b;
        std::memcpy(target + i, &a, 8);
    }
    for (; i < bytes; ++i)
        target[i] &= source[i];
}

}  // namespace

void StretchInto(ViewImage& image, const Rect& destination, const ConstSlotView& source,
                 const Rect& sourceRect) {
    if (!source || destination.width <= 0 || destination.height <= 0 || sourceRect.width <= 0 ||
        sourceRect.height <= 0)
        return;
    const Span across = VisibleRange(destination.x, destination.width, image.width);
    const Span down = VisibleRange(destination.y, destination.height, image.height);
    if (across.first == across.last || down.first == down.last) return;

    // The column map is made once per frame; the valid columns are one run, since the map
    // only moves forward and is clipped at both ends.
    std::vector<ColumnSpan>& columns = image.columns;
    columns.assign(static_cast<std::size_t>(across.last - across.first), ColumnSpan{});
    std::size_t used = columns.size(), usedEnd = 0;
    int widest = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const Span s = SlotSpan(across.first + static_cast<std::int64_t>(c), destination.width,
                                sourceRect.x, sourceRect.width, source.width);
        if (s.first == s.last) continue;
        columns[c] = {3 * static_cast<std::size_t>(s.first), static_cast<int>(s.last - s.first)};
        used = std::min(used, c);
        usedEnd = c + 1;
        widest = std::max(widest, columns[c].count);
    }
    if (usedEnd == 0) return;
    const std::size_t firstByte = columns[used].offset;
    const std::size_t endByte = columns[usedEnd - 1].offset + 3 * columns[usedEnd - 1].count;
    const std::size_t outBytes = 3 * (usedEnd - used);
    const bool straight = widest == 1 && endByte - firstByte == outBytes;
    const std::size_t outColumn = 3 * static_cast<std::size_t>(destination.x + across.first +
                                                               static_cast<std::int64_t>(used));

    // Bottom row first, and within a group the lowest source row first: both images are
    // stored bottom-up, so every read and write then moves forward through memory, which
    // keeps the prefetcher streaming when a shrink reads the whole canvas.
    Span previous;
    int previousRow = -1;
    for (std::int64_t j = down.last - 1; j >= down.first; --j) {
        const Span rows =
            SlotSpan(j, destination.height, sourceRect.y, sourceRect.height, source.height);
        if (rows.first == rows.last) continue;
        const int y = static_cast<int>(destination.y + j);
        std::uint8_t* out = image.Row(y) + outColumn;
        if (rows == previous) {
            // Enlarging: the row is the one below once more.
            std::memcpy(out, image.Row(previousRow) + outColumn, outBytes);
            continue;
        }
        previous = rows;
        previousRow = y;

        const std::uint8_t* row = source.At(0, static_cast<int>(rows.last - 1)) + firstByte;
        if (rows.last - rows.first > 1) {
            // Upwards from the lowest row, which is first in memory: one forward stream
            // reads faster than several rows side by side.
            const std::size_t bytes = endByte - firstByte;
            image.rowAnd.resize(bytes);
            std::uint8_t* acc = image.rowAnd.data();
            std::memcpy(acc, row, bytes);
            for (std::int64_t r = rows.last - 2; r >= rows.first; --r)
                AndInto(acc, source.At(0, static_cast<int>(r)) + firstByte, bytes);
            row = acc;
        }

        if (straight) {
            std::memcpy(out, row, outBytes);
        } else if (widest == 1) {
            for (std::size_t c = used; c < usedEnd; ++c) {
                const std::uint8_t* p = row + (columns[c].offset - firstByte);
                out[0] = p[0];
                out[1] = p[1];
                out[2] = p[2];
                out += 3;
            }
        } else {
            for (std::size_t c = used; c < usedEnd; ++c) {
                const std::uint8_t* p = row + (columns[c].offset - firstByte);
                std::uint8_t b = p[0], g = p[1], r = p[2];
                for (int k = 1; k < columns[c].count; ++k) {
                    p += 3;
                    b &= p[0];
                    g &= p[1];
                    r &= p[2];
                }
                out[0] = b;
                out[1] = g;
                out[2] = r;
                out += 3;
            }
        }
    }
}

}  // namespace daub
