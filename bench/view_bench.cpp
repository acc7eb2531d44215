// Compositing fourteen 4096 x 4096 layers, and the view image of a full-HD client area at
// every zoom step. BM_MemcpySlot is the baseline.
#include <algorithm>
#include <string>

#include "bench/bench_canvas.h"
#include "document/composite.h"
#include "document/view_image.h"
#include "document/zoom_steps.h"

namespace daub::bench {
namespace {

constexpr int kLayers = 14;

// A layer of smooth colours with see-through parts: a quarter of each row, and single
// pixels scattered through the rest, so that both long runs and lone keys are met.
void PaintLayer(const SlotView& v, int layer) {
    for (int y = 0; y < v.height; ++y) {
        std::uint8_t* row = v.At(0, y);
        for (int x = 0; x < v.width; ++x) {
            const bool key =
                (x + layer * 256) % v.width < v.width / 4 || (x * 7 + y * 3 + layer) % 61 == 0;
            StorePixel(row + 3 * x, key ? kTransparentColour
                                        : MakeColour(x + layer, y ^ x, 16 * layer + (y >> 4)));
        }
    }
}

void BM_Composite(benchmark::State& state) {
    LayerStack stack(kLayers + 7);
    stack.DefineFormat(0, kSide, kSide);
    stack.CreateSlotBitmap(LayerStack::kDisplaySlot);
    for (int i = 0; i < kLayers; ++i) {
        const int slot = LayerStack::kFirstLayer + i;
        stack.CreateSlotBitmap(slot);
        PaintLayer(ViewOf(stack, slot, 0), i);
        stack.visible[slot] = 1;
    }
    const int top = LayerStack::kFirstLayer + kLayers - 1;
    for (auto _ : state) {
        Composite(stack, kTransparentColour, top, kFromFirstLayer, LayerStack::kDisplaySlot, 0);
        benchmark::ClobberMemory();
    }
    // Every layer read once and the display written once: going through the layers band by
    // band keeps the display band in the cache while the layers pass over it.
    CountBytes(state, (kLayers + 1) * SlotBytes(stack));
}
BENCHMARK(BM_Composite)->Unit(benchmark::kMillisecond)->UseRealTime();

// Arg: the index of the zoom step (0.1 ... 8). The client is full HD, scrolled to the middle
// wherever the zoomed canvas is larger.
void BM_ViewImage(benchmark::State& state) {
    Stack stack = MakeCanvas();
    PaintLayer(ViewOf(stack, LayerStack::kDisplaySlot, 0), 3);
    const float zoom = kZoomLevels[state.range(0)];
    ViewPort port;
    port.zoom = zoom;
    port.zoomedWidth = static_cast<int>(static_cast<float>(kSide) * zoom);
    port.zoomedHeight = port.zoomedWidth;
    port.clientWidth = 1920;
    port.clientHeight = 1080;
    port.scrollX = std::max(0, (port.zoomedWidth - port.clientWidth) / 2);
    port.scrollY = std::max(0, (port.zoomedHeight - port.clientHeight) / 2);
    ViewImage image;
    for (auto _ : state) {
        RenderCanvasView(image, stack, port);
        benchmark::DoNotOptimize(image.pixels.data());
        benchmark::ClobberMemory();
    }
    // The canvas pixels in view are read, the whole client image is written.
    const Rect source = ComputeViewGeometry(port).source;
    const std::int64_t read = 3 * static_cast<std::int64_t>(std::min(source.width, kSide)) *
                              std::min(source.height, kSide);
    CountBytes(state, read + static_cast<std::int64_t>(image.pixels.size()));
    state.SetLabel("zoom " + std::to_string(zoom).substr(0, 4));
}
BENCHMARK(BM_ViewImage)->DenseRange(0, 7)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace daub::bench
