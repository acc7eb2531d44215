#include "imageops/spray_blend.h"

#include <algorithm>

#include "document/slot_view.h"
#include "imageops/spray_square.h"

namespace daub {

void SprayBlend(LayerStack& stack, COLORREF colour, int sourceSlot, int cx, int cy, int w, int h,
                int strength, int targetSlot, int formatEntry) {
    const SlotView source = ViewOf(stack, sourceSlot, formatEntry);
    const SlotView target = ViewOf(stack, targetSlot, formatEntry);
    if (!source || !target) return;
    const WriteGate gate(stack, formatEntry);
    const SprayArea area = ClipSprayArea(cx, cy, w, h, source.width, source.height);
    if (area.Empty()) return;
    const int a = std::clamp(strength, 0, 255);
    const int want[3] = {BlueOf(colour) * a, GreenOf(colour) * a, RedOf(colour) * a};
    for (int y = area.rows.first; y < area.rows.second; ++y) {
        for (int x = area.columns.first; x < area.columns.second; ++x) {
            const std::size_t offset = source.Offset(x, y);
            if (!gate.MaskAllows(offset)) continue;
            for (int c = 0; c < 3; ++c)
                target.bits[offset + c] =
                    static_cast<std::uint8_t>((want[c] + source.bits[offset + c] * (255 - a)) >> 8);
        }
    }
}

}  // namespace daub
