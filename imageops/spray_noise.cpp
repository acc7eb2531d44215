#include "imageops/spray_noise.h"

#include <algorithm>

#include "document/slot_view.h"
#include "imageops/spray_square.h"

namespace daub {

void SprayNoise(LayerStack& stack, NoiseGenerator& noise, COLORREF colour, int sourceSlot, int cx,
                int cy, int w, int h, int strength, int targetSlot, int formatEntry) {
    const SlotView source = ViewOf(stack, sourceSlot, formatEntry);
    const SlotView target = ViewOf(stack, targetSlot, formatEntry);
    if (!source || !target) return;
    const WriteGate gate(stack, formatEntry);
    const SprayArea area = ClipSprayArea(cx, cy, w, h, target.width, target.height);
    if (area.Empty()) return;
    const int f = strength == 0 ? 1 : strength;
    const int base[3] = {BlueOf(colour), GreenOf(colour), RedOf(colour)};
    for (int y = area.rows.first; y < area.rows.second; ++y) {
        for (int x = area.columns.first; x < area.columns.second; ++x) {
            const std::size_t offset = target.Offset(x, y);
            if (!gate.MaskAllows(offset)) continue;
            const int o = noise.Next() % f - (f >> 1);
            for (int c = 0; c < 3; ++c)
                target.bits[offset + c] =
                    static_cast<std::uint8_t>(std::clamp(base[c] + o, 0, 255));
        }
    }
}

}  // namespace daub
