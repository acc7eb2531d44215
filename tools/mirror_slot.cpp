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

std::uint32_t Load32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void Store32(std::uint8_t* p, std::uint32_t v) {
    std::memcpy(p, &v, 4);
}

// Four pixels p0..p3 in three little-endian words become p3..p0: whole words move instead
// of single bytes.
void ReverseFourPixels(std::uint8_t* out, const std::uint8_t* in) {
    const std::uint32_t a = Load32(in), b = Load32(in + 4), c = Load32(in + 8);
    Store32(out, (c >> 8) | ((b >> 16) << 24));
    Store32(out + 4, (b >> 24) | ((c & 0xFF) << 8) | ((a >> 24) << 16) | (b << 24));
    Store32(out + 8, ((b >> 8) & 0xFF) | (a << 8));
}

void SwapPixels(std::uint8_t* p, std::uint8_t* q) {
    std::uint8_t t[3];
    std::memcpy(t, p, 3);
    std::memcpy(p, q, 3);
    std::memcpy(q, t, 3);
}

// Reverses the pixel order of a row in place: four-pixel blocks from both ends swap places
// reversed, and the few pixels left in the middle one by one.
void ReverseRow(std::uint8_t* row, int width) {
    int left = 0, right = width - 4;
    for (; left + 4 <= right; left += 4, right -= 4) {
        std::uint8_t l[12], r[12];
        std::memcpy(l, row + 3 * static_cast<std::size_t>(left), 12);
        std::memcpy(r, row + 3 * static_cast<std::size_t>(right), 12);
        ReverseFourPixels(row + 3 * static_cast<std::size_t>(left), r);
        ReverseFourPixels(row + 3 * static_cast<std::size_t>(right), l);
    }
    for (int a = left, b = right + 3; a < b; ++a, --b)
        SwapPixels(row + 3 * static_cast<std::size_t>(a), row + 3 * static_cast<std::size_t>(b));
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
