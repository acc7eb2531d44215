#include "tools/slot_fill.h"

#include <algorithm>
#include <cstring>

#include "document/slot_view.h"
#include "tools/write_gate.h"

namespace daub {

void FillSlot(LayerStack& stack, COLORREF colour, int slot, int formatSlot) {
    if (!ViewOf(stack, slot, formatSlot)) return;
    FillBitmap(stack.Bitmap(slot), colour);
}

void FillSlotRect(LayerStack& stack, COLORREF colour, int slot, int x, int y, int w, int h,
                  int formatSlot) {
    const SlotView view = ViewOf(stack, slot, formatSlot);
    if (!view) return;
    const int left = std::clamp(x, 0, view.width);
    const int top = std::clamp(y, 0, view.height);
    const IndexRange columns = ClipRange(left, std::min(std::max(w, 0), view.width), view.width);
    const IndexRange rows = ClipRange(top, std::min(std::max(h, 0), view.height), view.height);
    if (columns.Empty() || rows.Empty()) return;
    // One row is built pixel by pixel, then copied to the others.
    std::uint8_t* first = view.At(columns.first, rows.first);
    const std::size_t bytes = 3 * static_cast<std::size_t>(columns.second - columns.first);
    for (std::size_t i = 0; i < bytes; i += 3)
        StorePixel(first + i, colour);
    for (int row = rows.first + 1; row < rows.second; ++row)
        std::memcpy(view.At(columns.first, row), first, bytes);
}

}  // namespace daub
