#include "tools/write_gate.h"

namespace daub {

WriteGate::WriteGate(const LayerStack& stack, int formatEntry, bool honourMask)
    : width_(stack.Width(formatEntry)),
      height_(stack.Height(formatEntry)),
      maskOn_(honourMask && stack.maskEnabled == 1) {
    if (!maskOn_) return;
    // With the mask on but no mask memory, nothing is writable: maskSize_ stays 0.
    if (const SlotBitmap* mask = stack.Bitmap(LayerStack::kMaskSlot); mask && mask->pixels) {
        mask_ = mask->pixels.get();
        maskSize_ = mask->ByteSize();
    }
}

}  // namespace daub
