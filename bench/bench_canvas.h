#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

#include "document/layer_stack.h"
#include "document/slot_view.h"

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

// A fixed scatter of small cells, about `percent` of them set: masks and regions of this kind
// break every run after a few pixels, as hand-made masks and textured pictures do.
inline bool FragmentCell(int x, int y, unsigned percent) {
    std::uint32_t h = static_cast<std::uint32_t>(x / 6) * 73856093u ^
                      static_cast<std::uint32_t>(y / 4) * 19349663u;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return h % 100 < percent;
}

// The slot white where set(x, y), black elsewhere; returns how many pixels are white.
template <typename Set>
std::int64_t PaintMask(const SlotView& v, Set set) {
    std::int64_t white = 0;
    for (int y = 0; y < v.height; ++y) {
        for (int x = 0; x < v.width; ++x) {
            const bool on = set(x, y);
            StorePixel(v.At(x, y), on ? 0xFFFFFF : 0x000000);
            white += on;
        }
    }
    return white;
}

}  // namespace daub::bench
