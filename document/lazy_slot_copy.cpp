#include "document/lazy_slot_copy.h"

#include <algorithm>
#include <cstring>

#include "document/layer_stack.h"

namespace daub {

void LazySlotCopy::Begin(LayerStack& stack, int target, int source) {
    End();
    BitmapHandle to = stack.Bitmap(target), from = stack.Bitmap(source);
    if (!to || !from || to == from) return;
    if (to->width != from->width || to->height != from->height || to->stride != from->stride) {
        LayerStack::CopyBitmap(to, from);
        return;
    }
    target_ = target;
    source_ = source;
    targetBitmap_ = to;
    sourceBitmap_ = from;
    bandRows_ = std::max(1, static_cast<int>(kBandBytes / static_cast<std::size_t>(to->stride)));
    copied_.assign(static_cast<std::size_t>((to->height + bandRows_ - 1) / bandRows_), false);
}

bool LazySlotCopy::SameBitmaps(const LayerStack& stack) const {
    const SlotBitmap *to = stack.Bitmap(target_), *from = stack.Bitmap(source_);
    return to == targetBitmap_ && from == sourceBitmap_ && to->width == from->width &&
           to->height == from->height && to->stride == from->stride &&
           static_cast<std::size_t>((to->height + bandRows_ - 1) / bandRows_) == copied_.size();
}

void LazySlotCopy::Ensure(const LayerStack& stack, int first, int last) {
    if (!Active()) return;
    if (!SameBitmaps(stack)) {
        End();
        return;
    }
    first = std::max(first, 0);
    last = std::min(last, targetBitmap_->height);
    if (first >= last) return;
    for (int band = first / bandRows_; band <= (last - 1) / bandRows_; ++band) {
        if (copied_[static_cast<std::size_t>(band)]) continue;
        CopyBand(static_cast<std::size_t>(band));
        copied_[static_cast<std::size_t>(band)] = true;
    }
}

// Rows are stored bottom-up, so the rows of a band are one run of memory.
void LazySlotCopy::CopyBand(std::size_t band) const {
    const int height = targetBitmap_->height;
    const int top = static_cast<int>(band) * bandRows_;
    const int bottom = std::min(height, top + bandRows_);
    const std::size_t stride = static_cast<std::size_t>(targetBitmap_->stride);
    const std::size_t offset = stride * static_cast<std::size_t>(height - bottom);
    std::memcpy(targetBitmap_->pixels.get() + offset, sourceBitmap_->pixels.get() + offset,
                stride * static_cast<std::size_t>(bottom - top));
}

}  // namespace daub
