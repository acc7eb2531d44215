// Painting on a 4096 x 4096 canvas: the whole-picture blur, whose time must not grow with
// the strength, single dabs of the brush and the sprays, and one event of a pen drag.
#include <memory>
#include <random>

#include "bench/bench_canvas.h"
#include "document/document_state.h"
#include "document/slot_view.h"
#include "document/view_image.h"
#include "imageops/blur_picture.h"
#include "imageops/spray_blend.h"
#include "imageops/spray_blur.h"
#include "imageops/spray_noise.h"
#include "tools/brush_dab.h"
#include "tools/pen_tool.h"

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

// A document on the canvas, with the picture shown in the display slot.
DocumentState MakeDocument() {
    DocumentState doc;
    doc.layerStack = std::make_unique<LayerStack>(MakePicture());
    LayerStack& stack = *doc.layerStack;
    LayerStack::CopyBitmap(stack.Bitmap(Stack::kDisplaySlot), stack.Bitmap(Stack::kCompositeSlot));
    LayerStack::CopyBitmap(stack.Bitmap(Stack::kFirstLayer), stack.Bitmap(Stack::kCompositeSlot));
    doc.currentLayer = Stack::kFirstLayer;
    return doc;
}

// The blur command's pixel work: the shown picture saved, then blurred into the layer and
// the display. Arg: the strength (1 is radius 1, 40 radius 20).
void BM_BlurCommand(benchmark::State& state) {
    DocumentState doc = MakeDocument();
    doc.drawColour = 0x000000;
    doc.sprayStrength = static_cast<int>(state.range(0));
    for (auto _ : state) {
        BlurPicture(doc);
        benchmark::ClobberMemory();
    }
    // The display copied (read and write), then one source read and two targets written.
    CountBytes(state, 5 * SlotBytes(*doc.layerStack));
}
BENCHMARK(BM_BlurCommand)->Arg(1)->Arg(40)->Unit(benchmark::kMillisecond);

// One mouse move of a pen drag as the main window handles it, short of handing the image
// to the window: the widest pen's block and line into the display and the layer, then the
// view image of a full-HD client at zoom 1. The strokes run back and forth 40 pixels.
void BM_PenDragEvent(benchmark::State& state) {
    DocumentState doc = MakeDocument();
    doc.penWidth = 12;
    ViewPort port;
    port.zoomedWidth = port.zoomedHeight = kSide;
    port.clientWidth = 1920;
    port.clientHeight = 1080;
    port.scrollX = port.scrollY = 1000;
    ViewImage image;
    int x = 1500, step = 40;
    for (auto _ : state) {
        if (x + step < 1100 || x + step > 2800) step = -step;
        PenDrag(doc, 0x2040C0, x + step, 1500 + (x & 63), x, 1500);
        x += step;
        RenderCanvasView(image, *doc.layerStack, port);
        benchmark::DoNotOptimize(image.pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PenDragEvent)->Unit(benchmark::kMicrosecond);

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
