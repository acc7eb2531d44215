#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// A slot's pixel memory seen through a format entry. It is empty when the slot has no
// bitmap, the entry has no record, or the two disagree on the geometry: no pixel operation
// may then address the memory, since its offsets would run past the buffer.
template <class Byte>
struct BasicSlotView {
    Byte* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    BasicSlotView() = default;
    BasicSlotView(Byte* b, int w, int h, int s) : bits(b), width(w), height(h), stride(s) {}
    // A writable view reads as well.
    template <class Other>
    requires std::is_convertible_v<Other*, Byte*> BasicSlotView(const BasicSlotView<Other>& other)
        : bits(other.bits), width(other.width), height(other.height), stride(other.stride) {}

    explicit operator bool() const { return bits != nullptr; }
    std::size_t Offset(int x, int y) const { return LayerStack::PixelOffset(stride, height, x, y); }
    Byte* At(int x, int y) const { return bits + Offset(x, y); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    std::size_t ByteSize() const {
        return static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
    }
};

// A view that may write, and one of a stack that is only read.
using SlotView = BasicSlotView<std::uint8_t>;
using ConstSlotView = BasicSlotView<const std::uint8_t>;

SlotView ViewOf(LayerStack& stack, int slot, int formatEntry);
ConstSlotView ViewOf(const LayerStack& stack, int slot, int formatEntry);

// Every pixel of the bitmap becomes the colour; the row padding stays as it is.
void FillBitmap(BitmapHandle bitmap, COLORREF colour);

}  // namespace daub
