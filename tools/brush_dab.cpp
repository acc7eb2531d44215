#include "tools/brush_dab.h"

#include <cstdint>

#include "document/slot_view.h"
#include "tools/write_gate.h"

namespace daub {
namespace {

// The whole steps a weight allows. No channel is ever more than 255 away, so larger weights
// are cut there, which also keeps a huge weight from overflowing the conversion.
int WeightSteps(float weight) {
    return weight >= 255.0f ? 255 : static_cast<int>(weight);
}

std::uint8_t MoveToward(std::uint8_t target, std::uint8_t source, int steps) {
    if (target >= source) return source + steps >= target ? target : source + steps;
    return source - steps <= target ? target : source - steps;
}

}  // namespace

void ApplyBrushDab(LayerStack& stack, COLORREF colour, int sourceSlot, int x, int y, int w, int h,
                   int targetSlot, int formatSlot) {
    constexpr int kSide = BrushKernel::kSide;
    if (w > kSide || h > kSide) return;
    if (targetSlot == -1) targetSlot = sourceSlot;
    const SlotView source = ViewOf(stack, sourceSlot, formatSlot);
    const SlotView target = ViewOf(stack, targetSlot, formatSlot);
    if (!source || !target) return;
    const WriteGate gate(stack, formatSlot);
    // The dab is 2 * (w >> 1) columns wide starting at x - (w >> 1); dab column k reads kernel
    // column (65 - w) / 2 + k, which puts the kernel centre on (x, y).
    const std::int64_t left = std::int64_t{x} - (w >> 1);
    const std::int64_t top = std::int64_t{y} - (h >> 1);
    const IndexRange columns = ClipRange(left, 2 * static_cast<std::int64_t>(w >> 1), source.width);
    const IndexRange rows = ClipRange(top, 2 * static_cast<std::int64_t>(h >> 1), source.height);
    const std::uint8_t want[3] = {BlueOf(colour), GreenOf(colour), RedOf(colour)};
    for (int row = rows.first; row < rows.second; ++row) {
        const int kernelRow = (kSide - h) / 2 + static_cast<int>(row - top);
        for (int col = columns.first; col < columns.second; ++col) {
            const float weight =
                stack.brushKernel.At(kernelRow, (kSide - w) / 2 + static_cast<int>(col - left));
            if (!(weight >= 0.0f)) continue;  // outside the brush (or not a number)
            const std::size_t offset = source.Offset(col, row);
            if (!gate.MaskAllows(offset)) continue;
            const int steps = WeightSteps(weight);
            for (int c = 0; c < 3; ++c)
                target.bits[offset + c] = MoveToward(want[c], source.bits[offset + c], steps);
        }
    }
}

}  // namespace daub
