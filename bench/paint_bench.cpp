// The brush and the sprays on a 4096 x 4096 canvas: the whole-picture blur, whose time must
// not grow with the strength, and single dabs as a stroke makes them.
#include <random>

#include "bench/bench_canvas.h"
#include "document/slot_view.h"
#include "imageops/spray_blend.h"
#include "imageops/spray_blur.h"
#include "imageops/spray_noise.h"
#include "tools/brush_dab.h"

namespace daub::bench {
namespace {

// A canvas with a noisy picture in the composite slot, so the blur's exclusion test and
// divisions see varied pixels.
LayerStack MakePicture() {
    LayerStack stack = MakeCanvas();
    std::mt19937 rng(7);
    BitmapHandle picture = stack.Bitmap(Stack::kCompositeSlot);
    for (std::size_t i = 0; i < picture->ByteSize(); ++i)
        picture->pixels[i] = static_cast<std::uint8_t>(rng() & 0xF0);
    return stack;
}

// Arg: the strength (1 is radius 1, 40 radius 20). Both targets, as the blur command writes.
void BM_BlurPicture(benchmark::State& state) {
    Stack stack = MakePicture();
    const int strength = static_cast<int>(state.range(0));
    const int targets[] = {Stack::kFirstLayer, Stack::kDisplaySlot};
    for (auto _ : state) {
        SprayBlurInto(stack, 0x000000, Stack::kCompositeSlot, kSide / 2, kSide / 2, kSide, kSide,
                      strength, targets, 0);
        benchmark::ClobberMemory();
    }
    CountBytes(state, 3 * SlotBytes(stack));  // one source read, two targets written
}
BENCHMARK(BM_BlurPicture)->Arg(1)->Arg(40)->Unit(benchmark::kMillisecond);

void BM_BrushDab(benchmark::State& state) {
    Stack stack = MakePicture();
    int x = kSide / 2;
    for (auto _ : state) {
        ApplyBrushDab(stack, 0x2040C0, Stack::kCompositeSlot, x, kSide / 2, 65, 65,
                      Stack::kFirstLayer, 0);
        x ^= 1;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BrushDab)->Unit(benchmark::kMicrosecond);

// Arg: the spray kind (0 blur, 1 alpha blend, 2 noise) at the largest size the settings
// allow, 40, with its largest strength.
void BM_SprayDab(benchmark::State& state) {
    Stack stack = MakePicture();
    NoiseGenerator noise;
    const int kind = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const int c = kSide / 2;
        if (kind == 0)
            SprayBlur(stack, 0x2040C0, Stack::kCompositeSlot, c, c, 40, 40, 40, Stack::kFirstLayer,
                      0);
        else if (kind == 1)
            SprayBlend(stack, 0x2040C0, Stack::kCompositeSlot, c, c, 40, 40, 255,
                       Stack::kFirstLayer, 0);
        else
            SprayNoise(stack, noise, 0x2040C0, Stack::kCompositeSlot, c, c, 40, 40, 255,
                       Stack::kFirstLayer, 0);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SprayDab)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace daub::bench
