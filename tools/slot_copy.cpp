#include "tools/slot_copy.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "document/slot_view.h"
#include "tools/write_gate.h"

namespace daub {
namespace {

void CopyPixel(std::uint8_t* dst, const std::uint8_t* src) {
    dst[0] = src[0];
    dst[1] = src[1];
    dst[2] = src[2];
}

// Masks are built white (all bytes 255) and black (all 0), so eight pixels whose 24 bytes
// are all one or the other can be passed over at once; only the blue bytes decide.
bool AllBytes(const std::uint8_t* p, std::uint64_t word) {
    std::uint64_t w[3];
    std::memcpy(w, p, 24);
    return w[0] == word && w[1] == word && w[2] == word;
}

std::size_t SkipMasked(const std::uint8_t* mask, std::size_t offset, std::size_t end) {
    while (offset + 24 <= end && AllBytes(mask + offset, 0))
        offset += 24;
    while (offset < end && mask[offset] != 255)
        offset += 3;
    return offset;
}

std::size_t SkipWhite(const std::uint8_t* mask, std::size_t offset, std::size_t end) {
    while (offset + 24 <= end && AllBytes(mask + offset, ~std::uint64_t{0}))
        offset += 24;
    while (offset < end && mask[offset] == 255)
        offset += 3;
    return offset;
}

// One row of CopySlotMasked while the mask is on: only pixels with a white mask byte move.
void CopyRowMasked(const WriteGate& gate, std::uint8_t* dst, const std::uint8_t* src,
                   std::size_t begin, std::size_t end) {
    if (gate.MaskCovers(end)) {
        // Masks are mostly large white and black areas: copy each white run in one block.
        const std::uint8_t* mask = gate.Mask();
        std::size_t offset = begin;
        while (offset < end) {
            offset = SkipMasked(mask, offset, end);
            const std::size_t runEnd = SkipWhite(mask, offset, end);
            std::memcpy(dst + offset, src + offset, runEnd - offset);
            offset = runEnd;
        }
        return;
    }
    for (std::size_t offset = begin; offset < end; offset += 3)
        if (gate.MaskAllows(offset)) CopyPixel(dst + offset, src + offset);
}

// The part of [start, start + count) that lies inside a source of sourceLimit and, shifted by
// shift, inside a target of targetLimit.
IndexRange ClipBoth(std::int64_t start, std::int64_t count, int sourceLimit, std::int64_t shift,
                    int targetLimit) {
    const IndexRange inSource = ClipRange(start, count, sourceLimit);
    const std::int64_t lo = std::max<std::int64_t>(inSource.first, -shift);
    const std::int64_t hi = std::min<std::int64_t>(inSource.second, targetLimit - shift);
    if (lo >= hi) return {};
    return {static_cast<int>(lo), static_cast<int>(hi)};
}

}  // namespace

void CopySlotMasked(LayerStack& stack, int targetSlot, int sourceSlot, int formatSlot) {
    const SlotView target = ViewOf(stack, targetSlot, formatSlot);
    const SlotView source = ViewOf(stack, sourceSlot, formatSlot);
    if (!target || !source || target.bits == source.bits) return;
    const WriteGate gate(stack, LayerStack::kDisplaySlot);
    const int width = std::min(target.width, gate.Width());
    const int height = std::min(target.height, gate.Height());
    if (width <= 0 || height <= 0) return;
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(width);
    for (int y = 0; y < height; ++y) {
        const std::size_t begin = target.Offset(0, y);
        if (gate.MaskOn())
            CopyRowMasked(gate, target.bits, source.bits, begin, begin + rowBytes);
        else
            std::memcpy(target.bits + begin, source.bits + begin, rowBytes);
    }
}

void CopyRectKeyed(LayerStack& stack, COLORREF key, int targetSlot, int targetX, int targetY,
                   int width, int height, int sourceSlot, int sourceX, int sourceY,
                   int targetFormat, int sourceFormat, int useMask) {
    const SlotView target = ViewOf(stack, targetSlot, targetFormat);
    const SlotView source = ViewOf(stack, sourceSlot, sourceFormat);
    if (!target || !source) return;
    if (width == -1) width = std::min(target.width, source.width);
    if (height == -1) height = std::min(target.height, source.height);
    const std::int64_t shiftX = std::int64_t{targetX} - sourceX;
    const std::int64_t shiftY = std::int64_t{targetY} - sourceY;
    const IndexRange columns = ClipBoth(sourceX, width, source.width, shiftX, target.width);
    const IndexRange rows = ClipBoth(sourceY, height, source.height, shiftY, target.height);
    if (columns.Empty() || rows.Empty()) return;
    const WriteGate targetGate(stack, targetFormat, useMask != 0);
    const WriteGate sourceGate(stack, sourceFormat, useMask != 0);
    for (int sy = rows.first; sy < rows.second; ++sy) {
        const int ty = static_cast<int>(sy + shiftY);
        for (int sx = columns.first; sx < columns.second; ++sx) {
            const std::size_t from = source.Offset(sx, sy);
            const std::size_t to = target.Offset(static_cast<int>(sx + shiftX), ty);
            if (LoadPixel(source.bits + from) == key) continue;
            if (sourceGate.MaskAllows(from) && targetGate.MaskAllows(to))
                CopyPixel(target.bits + to, source.bits + from);
        }
    }
}

}  // namespace daub
