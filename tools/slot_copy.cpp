#include "tools/slot_copy.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "document/pixel_block.h"
#include "document/slot_view.h"
#include "tools/write_gate.h"

namespace daub {
namespace {

void CopyPixel(std::uint8_t* dst, const std::uint8_t* src) {
    dst[0] = src[0];
    dst[1] = src[1];
    dst[2] = src[2];
}

#if defined(__SSE2__)
// Sixteen pixels at a time: a block whose mask is all black is passed over, one all white is
// copied, and a mixed one blends source and target under the white pixels (the mask's blue
// byte decides, as MaskAllows does). Returns where the blocks ended.
std::size_t CopyBlocksMasked(std::uint8_t* dst, const std::uint8_t* src, const std::uint8_t* mask,
                             std::size_t begin, std::size_t end) {
    using namespace simd;
    const __m128i ff = _mm_set1_epi8(-1);
    const Block starts = Phase(0), white = {ff, ff, ff};
    std::size_t offset = begin;
    for (; offset + kBlockBytes <= end; offset += kBlockBytes) {
        const Block allowed = And(BytesEqual(Load(mask + offset), white), starts);
        if (AnyByteSet(allowed) == 0) continue;
        if (Same(allowed, starts)) {
            Store(dst + offset, Load(src + offset));
            continue;
        }
        const Block m = SpreadPixelFlags(allowed);
        Store(dst + offset, Select(m, Load(src + offset), Load(dst + offset)));
    }
    return offset;
}
#else
std::size_t CopyBlocksMasked(std::uint8_t*, const std::uint8_t*, const std::uint8_t*,
                             std::size_t begin, std::size_t) {
    return begin;
}
#endif

// One row of CopySlotMasked while the mask is on: only pixels with a white mask byte move.
void CopyRowMasked(const WriteGate& gate, std::uint8_t* dst, const std::uint8_t* src,
                   std::size_t begin, std::size_t end) {
    if (gate.MaskCovers(end)) begin = CopyBlocksMasked(dst, src, gate.Mask(), begin, end);
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
    // Bottom row first: rows are stored bottom-up, so the copy runs forward through memory.
    for (int y = height - 1; y >= 0; --y) {
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
