// Painting on a 4096 x 4096 canvas: the whole-picture blur, whose time must not grow with
// the strength, and mouse events as the tools run them, into the layer and the display.
#include <cstdint>
#include <memory>

#include "bench/bench_canvas.h"
#include "document/composite.h"
#include "document/document_state.h"
#include "document/view_image.h"
#include "imageops/blur_picture.h"
#include "imageops/spray_tool.h"
#include "tools/brush_tool.h"
#include "tools/pen_tool.h"
#include "tools/slot_fill.h"
#include "tools/stamp_block.h"

namespace daub::bench {
namespace {

// A document of two layers showing a noisy picture, so the blur's exclusion test and
// divisions see varied pixels; the lower layer is edited, and the left button drags.
DocumentState MakeDocument() {
    DocumentState doc;
    doc.layerStack = std::make_unique<LayerStack>(Stack::kFirstLayer + 2);
    LayerStack& stack = *doc.layerStack;
    stack.DefineFormat(0, kSide, kSide);
    for (int slot = 0; slot < stack.SlotCount(); ++slot)
        stack.CreateSlotBitmap(slot);
    BitmapHandle picture = stack.Bitmap(Stack::kDisplaySlot);
    std::uint32_t state = 7;  // xorshift: a noisy picture without a slow set-up
    for (std::size_t i = 0; i < picture->ByteSize(); ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        picture->pixels[i] = static_cast<std::uint8_t>(state & 0xF0);
    }
    for (int slot : {Stack::kCompositeSlot, Stack::kFirstLayer, Stack::kFirstLayer + 1})
        LayerStack::CopyBitmap(stack.Bitmap(slot), picture);
    stack.visible[Stack::kFirstLayer] = stack.visible[Stack::kFirstLayer + 1] = 1;
    doc.currentLayer = Stack::kFirstLayer;
    doc.lastLayer = Stack::kFirstLayer + 1;
    doc.zoomedWidth = doc.zoomedHeight = kSide;
    doc.leftDragging = 1;
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
BENCHMARK(BM_BlurCommand)->Arg(1)->Arg(40)->Unit(benchmark::kMillisecond)->UseRealTime();

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
BENCHMARK(BM_PenDragEvent)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One drag event of the soft brush with the largest kernel: a dab into the layer and one
// into the display.
void BM_BrushEvent(benchmark::State& state) {
    DocumentState doc = MakeDocument();
    int x = kSide / 2;
    for (auto _ : state) {
        BrushTool(doc, x, kSide / 2, ToolPhase::LeftDrag);
        x ^= 1;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BrushEvent)->Unit(benchmark::kMicrosecond)->UseRealTime();

void SetSpray(DocumentState& doc, int kind) {
    constexpr int kStrongest[] = {40, 255, 255};
    doc.sprayKind = kind;
    doc.spraySize = 40;  // the largest the settings allow
    doc.sprayStrength = kStrongest[kind];
    doc.drawColour = 0x2040C0;
}

// The press of the spray: whatever the stroke needs saved, and the first square into the
// layer and the display. Arg: the kind (0 blur, 1 alpha blend).
void BM_SprayPress(benchmark::State& state) {
    DocumentState doc = MakeDocument();
    SetSpray(doc, static_cast<int>(state.range(0)));
    NoiseGenerator noise;
    int x = kSide / 2;
    for (auto _ : state) {
        SprayTool(doc, noise, x, kSide / 2, ToolPhase::LeftPress);
        x ^= 64;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SprayPress)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();

// One drag event of a spray stroke that runs back and forth over 200 pixels in steps of 8.
// Arg: the kind (0 blur, 1 alpha blend, 2 noise).
void BM_SprayEvent(benchmark::State& state) {
    DocumentState doc = MakeDocument();
    SetSpray(doc, static_cast<int>(state.range(0)));
    NoiseGenerator noise;
    int x = kSide / 2, step = 8;
    SprayTool(doc, noise, x, kSide / 2, ToolPhase::LeftPress);
    for (auto _ : state) {
        if (x + step < kSide / 2 || x + step > kSide / 2 + 200) step = -step;
        x += step;
        SprayTool(doc, noise, x, kSide / 2 + (x & 15), ToolPhase::LeftDrag);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SprayEvent)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The eraser's press on the upper of two layers, as the main window runs it: the picture of
// the other layers composited into the composite slot, then the widest block taken from it
// into the display and cleared in the layer.
void BM_EraserPressUpperLayer(benchmark::State& state) {
    DocumentState doc = MakeDocument();
    doc.currentLayer = Stack::kFirstLayer + 1;
    LayerStack& stack = *doc.layerStack;
    const COLORREF clear = doc.transparentColour;
    const int w = 12, c = kSide / 2;
    for (auto _ : state) {
        FillSlot(stack, clear, Stack::kCompositeSlot, 0);
        stack.visible[doc.currentLayer] = 0;
        Composite(stack, clear, doc.lastLayer, kFromFirstLayer, Stack::kCompositeSlot, 0);
        stack.visible[doc.currentLayer] = 1;
        StampBlock(stack, clear, Stack::kDisplaySlot, c, c, w, w, Stack::kCompositeSlot, 0);
        StampBlock(stack, clear, doc.currentLayer, c, c, w, w, -1, 0);
        benchmark::ClobberMemory();
    }
    // The composite slot filled, the lower layer read into it.
    CountBytes(state, 2 * SlotBytes(stack));
}
BENCHMARK(BM_EraserPressUpperLayer)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace daub::bench
