#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

#include "document/layer_stack.h"

namespace daub::bench {

using Stack = LayerStack;

inline constexpr int kSide = 4096;

// A 4096 x 4096 canvas with every work slot and one layer made.
inline LayerStack MakeCanvas() {
    LayerStack stack(6);
    stack.DefineFormat(0, kSide, kSide);
    for (int slot = 0; slot < 6; ++slot)
        stack.CreateSlotBitmap(slot);
    return stack;
}

inline std::int64_t SlotBytes(const LayerStack& stack) {
    return static_cast<std::int64_t>(stack.Stride(0)) * stack.Height(0);
}

// Reports bytes per second for the bytes one iteration must touch.
inline void CountBytes(benchmark::State& state, std::int64_t bytesPerIteration) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * bytesPerIteration);
}

}  // namespace daub::bench
