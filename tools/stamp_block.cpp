#include "tools/stamp_block.h"

#include <cstring>

namespace daub {

BlockStamper::BlockStamper(LayerStack& stack, COLORREF colour, int targetSlot, int w, int h,
                           int sourceSlot, int formatSlot)
    : target_(ViewOf(stack, targetSlot, formatSlot)),
      gate_(stack, formatSlot),
      colour_(colour),
      w_(w),
      h_(h) {
    if (sourceSlot == -1) return;
    source_ = ViewOf(stack, sourceSlot, formatSlot);
    if (!source_) target_ = SlotView{};  // a named source that is missing stops the stamp
}

CentreSpan BlockStamper::Centres(int size, int limit) {
    if (size <= 0 || limit <= 0) return {};
    const std::int64_t half = size >> 1;
    return {half - size + 1, std::int64_t{limit} - 1 + half};
}

void BlockStamper::Stamp(std::int64_t x, std::int64_t y) const {
    if (!target_) return;
    const IndexRange columns = ClipRange(x - (w_ >> 1), w_, target_.width);
    const IndexRange rows = ClipRange(y - (h_ >> 1), h_, target_.height);
    if (columns.Empty() || rows.Empty()) return;
    for (int row = rows.first; row < rows.second; ++row) {
        const std::size_t begin = target_.Offset(columns.first, row);
        WriteRow(begin, begin + 3 * static_cast<std::size_t>(columns.second - columns.first));
    }
}

void BlockStamper::WriteRow(std::size_t begin, std::size_t end) const {
    std::uint8_t* dst = target_.bits;
    if (!gate_.MaskOn() && source_) {
        std::memmove(dst + begin, source_.bits + begin, end - begin);
        return;
    }
    for (std::size_t offset = begin; offset < end; offset += 3) {
        if (!gate_.MaskAllows(offset)) continue;
        if (source_)
            std::memmove(dst + offset, source_.bits + offset, 3);
        else
            StorePixel(dst + offset, colour_);
    }
}

void StampBlock(LayerStack& stack, COLORREF colour, int targetSlot, int x, int y, int w, int h,
                int sourceSlot, int formatSlot) {
    BlockStamper(stack, colour, targetSlot, w, h, sourceSlot, formatSlot).Stamp(x, y);
}

}  // namespace daub
