#include "document/slot_view.h"

#include <cstring>
#include <utility>

namespace daub {

ConstSlotView ViewOf(const LayerStack& stack, int slot, int formatEntry) {
    const SlotBitmap* bitmap = stack.Bitmap(slot);
    if (!bitmap || !stack.Format(formatEntry)) return {};
    const int w = stack.Width(formatEntry);
    const int h = stack.Height(formatEntry);
    if (bitmap->width != w || bitmap->height != h || bitmap->stride != stack.Stride(formatEntry))
        return {};
    return ConstSlotView{bitmap->pixels.get(), w, h, bitmap->stride};
}

SlotView ViewOf(LayerStack& stack, int slot, int formatEntry) {
    const ConstSlotView view = ViewOf(std::as_const(stack), slot, formatEntry);
    if (!view) return {};
    return {stack.Bits(slot), view.width, view.height, view.stride};
}

void FillBitmap(BitmapHandle bitmap, COLORREF colour) {
    if (!bitmap || !bitmap->pixels || bitmap->width <= 0) return;
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(bitmap->width);
    // One row is built pixel by pixel, then copied to the others in bulk.
    std::uint8_t* first = bitmap->pixels.get();
    for (std::size_t i = 0; i < rowBytes; i += 3)
        StorePixel(first + i, colour);
    for (int y = 1; y < bitmap->height; ++y)
        std::memcpy(first + static_cast<std::size_t>(y) * bitmap->stride, first, rowBytes);
}

}  // namespace daub
