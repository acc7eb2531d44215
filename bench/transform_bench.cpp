// The transform menu on a 4096 x 4096 canvas: stretch and rotate of a slot, a flip of the
// edited layer as the command does it, and a new canvas size for a document of 14 layers.
#include <memory>
#include <random>

#include "bench/bench_canvas.h"
#include "document/document_state.h"
#include "imageops/resize_canvas.h"
#include "imageops/transform_slot.h"
#include "imageops/transform_target.h"
#include "tools/mirror_slot.h"

namespace daub::bench {
namespace {

// A document of layers slots 5 … lastLayer, each a noisy picture of the canvas size.
DocumentState MakeDocument(int lastLayer) {
    DocumentState doc;
    BuildLayerStack(doc);
    StartBlankDocument(doc, kSide, kSide, 0xFFFFFF);
    LayerStack& stack = *doc.layerStack;
    std::mt19937 rng(7);
    for (int slot = Stack::kFirstLayer; slot <= lastLayer; ++slot) {
        BitmapHandle layer = stack.CreateSlotBitmap(slot);
        for (std::size_t i = 0; i < layer->ByteSize(); ++i)
            layer->pixels[i] = static_cast<std::uint8_t>(rng());
        stack.visible[slot] = 1;
    }
    doc.lastLayer = lastLayer;
    return doc;
}

// Arg: smoothing off or on. A turn of 30° about the middle, in place, again and again.
void BM_TransformSlotRotate30(benchmark::State& state) {
    DocumentState doc = MakeDocument(Stack::kFirstLayer);
    const int smooth = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TransformSlot(*doc.layerStack, kTransparentColour, Stack::kFirstLayer, 30.0, 1.0, 1.0,
                      kSlotMiddle, kSlotMiddle, smooth, 0);
        benchmark::ClobberMemory();
    }
    CountBytes(state, 2 * SlotBytes(*doc.layerStack));
}
BENCHMARK(BM_TransformSlotRotate30)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The flip command on the edited layer: the mirror and the composite of three layers.
void BM_FlipLayer(benchmark::State& state) {
    DocumentState doc = MakeDocument(Stack::kFirstLayer + 2);
    const SlotChange mirror = [](LayerStack& stack, int slot, int entry) {
        MirrorSlot(stack, slot, kMirrorHorizontal, entry);
        return true;
    };
    for (auto _ : state) {
        TransformLayer(doc, mirror);
        benchmark::ClobberMemory();
    }
    CountBytes(state, 2 * SlotBytes(*doc.layerStack));
}
BENCHMARK(BM_FlipLayer)->Unit(benchmark::kMillisecond);

// 14 layers and the work slots, 4096 x 4096 to 4000 x 4000 centred and back in turn.
void BM_ResizeCanvas14Layers(benchmark::State& state) {
    DocumentState doc = MakeDocument(Stack::kFirstLayer + 13);
    int side = kSide;
    for (auto _ : state) {
        const int next = side == kSide ? 4000 : kSide;
        const Point offset = ResizeOffset(side, side, next, next, true);
        ResizeCanvas(doc, offset.x, offset.y, next, next);
        side = next;
        benchmark::ClobberMemory();
    }
    CountBytes(state, 18 * SlotBytes(*doc.layerStack));
}
BENCHMARK(BM_ResizeCanvas14Layers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub::bench
