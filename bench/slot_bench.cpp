// Whole-slot primitives on a 4096 x 4096 canvas, against memcpy of one slot in the same run.
#include <cstring>

#include "bench/bench_canvas.h"
#include "document/slot_view.h"
#include "tools/flood_fill.h"
#include "tools/mirror_slot.h"
#include "tools/slot_copy.h"
#include "tools/slot_fill.h"

namespace daub::bench {
namespace {

using Stack = LayerStack;

void BM_MemcpySlot(benchmark::State& state) {
    Stack stack = MakeCanvas();
    const auto bytes = static_cast<std::size_t>(SlotBytes(stack));
    for (auto _ : state) {
        std::memcpy(stack.Bits(Stack::kFirstLayer), stack.Bits(Stack::kScratchSlot), bytes);
        benchmark::ClobberMemory();
    }
    CountBytes(state, 2 * SlotBytes(stack));  // read one slot, write the other
}
BENCHMARK(BM_MemcpySlot)->Unit(benchmark::kMillisecond);

void BM_FillSlot(benchmark::State& state) {
    Stack stack = MakeCanvas();
    COLORREF colour = 0x123456;
    for (auto _ : state) {
        FillSlot(stack, colour++, Stack::kFirstLayer, 0);
        benchmark::ClobberMemory();
    }
    CountBytes(state, SlotBytes(stack));
}
BENCHMARK(BM_FillSlot)->Unit(benchmark::kMillisecond);

// Arg 0: mask off; 1: mask on, white on the left half, so both runs and breaks are met.
void BM_CopySlotMasked(benchmark::State& state) {
    Stack stack = MakeCanvas();
    FillSlot(stack, 0xFFFFFF, Stack::kMaskSlot, 0);
    FillSlotRect(stack, 0x000000, Stack::kMaskSlot, kSide / 2, 0, kSide / 2, kSide, 0);
    stack.maskEnabled = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CopySlotMasked(stack, Stack::kFirstLayer, Stack::kScratchSlot, 0);
        benchmark::ClobberMemory();
    }
    // Source and target, and the mask when it is on.
    CountBytes(state, (state.range(0) ? 3 : 2) * SlotBytes(stack));
}
BENCHMARK(BM_CopySlotMasked)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Arg 0 and 1: the two mirror directions.
void BM_MirrorSlot(benchmark::State& state) {
    Stack stack = MakeCanvas();
    const int direction = static_cast<int>(state.range(0));
    for (auto _ : state) {
        MirrorSlot(stack, Stack::kFirstLayer, direction, 0);
        benchmark::ClobberMemory();
    }
    CountBytes(state, 2 * SlotBytes(stack));  // every byte read and written once
}
BENCHMARK(BM_MirrorSlot)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Fills the whole canvas, alternating the colour so that every run refills all of it.
void BM_FloodFillWholeCanvas(benchmark::State& state) {
    Stack stack = MakeCanvas();
    COLORREF colours[2] = {0x0000FF, 0x00FF00};
    int turn = 0;
    for (auto _ : state) {
        FloodFill(stack, colours[turn], kSide / 2, kSide / 2, Stack::kFirstLayer,
                  Stack::kFirstLayer);
        turn ^= 1;
        benchmark::ClobberMemory();
    }
    CountBytes(state, 2 * SlotBytes(stack));  // each pixel read and written
}
BENCHMARK(BM_FloodFillWholeCanvas)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub::bench
