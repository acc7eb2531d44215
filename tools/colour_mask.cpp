#include "tools/colour_mask.h"

#include <cstdint>

#include "document/slot_view.h"
#include "tools/write_gate.h"

namespace daub {
namespace {

bool ByteInRange(std::uint8_t value, std::uint8_t low, int range) {
    return value >= low && static_cast<std::int64_t>(value) < std::int64_t{low} + range;
}

bool InRange(const std::uint8_t* p, COLORREF colour, int dr, int dg, int db) {
    return ByteInRange(p[0], BlueOf(colour), db) && ByteInRange(p[1], GreenOf(colour), dg) &&
           ByteInRange(p[2], RedOf(colour), dr);
}

}  // namespace

COLORREF PickColour(const LayerStack& stack, int x, int y, int slot, int formatSlot) {
    const ConstSlotView view = ViewOf(stack, slot, formatSlot);
    if (!view || !view.Contains(x, y)) return 0;
    return LoadPixel(view.At(x, y));
}

void BuildMask(LayerStack& stack, COLORREF colour, int slot, int formatSlot) {
    const SlotView source = ViewOf(stack, slot, formatSlot);
    const SlotView mask = ViewOf(stack, LayerStack::kMaskSlot, formatSlot);
    if (!source || !mask) return;
    for (int y = 0; y < source.height; ++y) {
        const std::uint8_t* s = source.At(0, y);
        std::uint8_t* m = mask.At(0, y);
        for (int x = 0; x < source.width; ++x, s += 3, m += 3) {
            const bool same =
                s[0] == BlueOf(colour) && s[1] == GreenOf(colour) && s[2] == RedOf(colour);
            const std::uint8_t v = same ? 255 : 0;
            m[0] = m[1] = m[2] = v;
        }
    }
    stack.maskEnabled = 1;
}

void ReplaceColour(LayerStack& stack, COLORREF find, COLORREF newColour, int referenceSlot,
                   int targetSlot, int redRange, int greenRange, int blueRange, int formatSlot) {
    if (targetSlot == -1) targetSlot = referenceSlot;
    const SlotView reference = ViewOf(stack, referenceSlot, formatSlot);
    const SlotView target = ViewOf(stack, targetSlot, formatSlot);
    if (!reference || !target) return;
    const WriteGate gate(stack, formatSlot);
    for (int y = 0; y < reference.height; ++y) {
        for (int x = 0; x < reference.width; ++x) {
            const std::size_t offset = reference.Offset(x, y);
            if (InRange(reference.bits + offset, find, redRange, greenRange, blueRange) &&
                gate.MaskAllows(offset))
                StorePixel(target.bits + offset, newColour);
        }
    }
}

}  // namespace daub
