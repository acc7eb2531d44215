#include "tools/mirror_slot.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "document/slot_view.h"

namespace daub {
namespace {

void SwapRows(const SlotView& view) {
    const std::size_t bytes = 3 * static_cast<std::size_t>(view.width);
    std::vector<std::uint8_t> spare(bytes);
    for (int top = 0, bottom = view.height - 1; top < bottom; ++top, --bottom) {
        std::uint8_t* a = view.At(0, top);
        std::uint8_t* b = view.At(0, bottom);
        std::memcpy(spare.data(), a, bytes);
        std::memcpy(a, b, bytes);
        std::memcpy(b, spare.data(), bytes);
    }
}

void ReverseRow(std::uint8_t* row, int width) {
    for (int a = 0, b = width - 1; a < b; ++a, --b) {
        std::uint8_t* p = row + 3 * a;
        std::uint8_t* q = row + 3 * b;
        const std::uint8_t t0 = p[0], t1 = p[1], t2 = p[2];
        p[0] = q[0];
        p[1] = q[1];
        p[2] = q[2];
        q[0] = t0;
        q[1] = t1;
        q[2] = t2;
    }
}

}  // namespace

void MirrorSlot(LayerStack& stack, int slot, int direction, int formatSlot) {
    if (direction != kMirrorHorizontal && direction != kMirrorVertical) return;
    const SlotView view = ViewOf(stack, slot, formatSlot);
    if (!view) return;
    if (direction == kMirrorVertical) {
        SwapRows(view);
        return;
    }
    for (int y = 0; y < view.height; ++y)
        ReverseRow(view.At(0, y), view.width);
}

}  // namespace daub
