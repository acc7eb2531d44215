// Whole-slot primitives on a 4096 x 4096 canvas, against memcpy of one slot in the same run.
// Bytes are counted as the operation must touch them, so bytes per second compare directly
// with BM_MemcpySlot's.
#include <cstring>

#include "bench/bench_canvas.h"
#include "tools/flood_fill.h"
#include "tools/mirror_slot.h"
#include "tools/slot_copy.h"
#include "tools/slot_fill.h"

namespace daub::bench {
namespace {

void BM_MemcpySlot(benchmark::State& state) {
    Stack stack = MakeCanvas();
    const auto bytes = static_cast<std::size_t>(SlotBytes(stack));
    for (auto _ : state) {
        std::memcpy(stack.Bits(Stack::kFirstLayer), stack.Bits(Stack::kScratchSlot), bytes);
        benchmark::ClobberMemory();
    }
    CountBytes(state, 2 * SlotBytes(stack));  // read one slot, write the other
}
BENCHMARK(BM_MemcpySlot)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FillSlot(benchmark::State& state) {
    Stack stack = MakeCanvas();
    COLORREF colour = 0x123456;
    for (auto _ : state) {
        FillSlot(stack, colour++, Stack::kFirstLayer, 0);
        benchmark::ClobberMemory();
    }
    CountBytes(state, SlotBytes(stack));
}
BENCHMARK(BM_FillSlot)->Unit(benchmark::kMillisecond)->UseRealTime();

// Arg 0: mask off; 1: mask on, white on the left half (long runs); 2: mask on, small
// scattered cells, half of them white.
void BM_CopySlotMasked(benchmark::State& state) {
    Stack stack = MakeCanvas();
    const SlotView mask = ViewOf(stack, Stack::kMaskSlot, 0);
    const int mode = static_cast<int>(state.range(0));
    const std::int64_t white = PaintMask(
        mask, [mode](int x, int y) { return mode == 2 ? FragmentCell(x, y, 50) : x < kSide / 2; });
    stack.maskEnabled = mode != 0;
    for (auto _ : state) {
        CopySlotMasked(stack, Stack::kFirstLayer, Stack::kScratchSlot, 0);
        benchmark::ClobberMemory();
    }
    // Mask off: source and target. On: the whole mask, and source and target where white.
    CountBytes(state, mode == 0 ? 2 * SlotBytes(stack) : SlotBytes(stack) + 2 * 3 * white);
}
BENCHMARK(BM_CopySlotMasked)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

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
BENCHMARK(BM_MirrorSlot)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Arg 0: the whole canvas is one colour. Arg 1: a quarter of it is scattered walls, so the
// region is a large tangle of short runs. The colour alternates, so every run refills all of
// the region.
void BM_FloodFill(benchmark::State& state) {
    Stack stack = MakeCanvas();
    const SlotView v = ViewOf(stack, Stack::kFirstLayer, 0);
    const bool walls = state.range(0) == 1;
    const COLORREF colours[2] = {0x0000FF, 0x00FF00};
    for (int y = 0; y < v.height; ++y)
        for (int x = 0; x < v.width; ++x)
            StorePixel(v.At(x, y), walls && FragmentCell(x, y, 25) ? 0x808080 : colours[1]);
    FillSlotRect(stack, colours[1], Stack::kFirstLayer, kSide / 2 - 8, kSide / 2 - 8, 16, 16, 0);
    int turn = 0;
    for (auto _ : state) {
        FloodFill(stack, colours[turn], kSide / 2, kSide / 2, Stack::kFirstLayer,
                  Stack::kFirstLayer);
        turn ^= 1;
        benchmark::ClobberMemory();
    }
    // The region, counted by filling it once more with a colour of its own.
    constexpr COLORREF kCounted = 0x00FFFF;
    FloodFill(stack, kCounted, kSide / 2, kSide / 2, Stack::kFirstLayer, Stack::kFirstLayer);
    std::int64_t region = 0;
    for (int y = 0; y < v.height; ++y)
        for (int x = 0; x < v.width; ++x)
            region += LoadPixel(v.At(x, y)) == kCounted;
    // Every pixel is looked at (the region and the walls around it), the region written.
    CountBytes(state, SlotBytes(stack) + 3 * region);
}
BENCHMARK(BM_FloodFill)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace daub::bench
