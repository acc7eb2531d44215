// The curve tool on a 4096 x 4096 canvas: one drawing of 64 points, as each mouse move of a
// point redraws the preview and as the right press draws it into the layer. Compare with
// BM_MemcpySlot of the same run: every drawing starts by copying the composite slot back.
#include <cmath>
#include <memory>

#include "bench/bench_canvas.h"
#include "document/document_state.h"
#include "imageops/curve_drawing.h"

namespace daub::bench {
namespace {

// 64 points on a wavy ring around the middle of the canvas.
CurvePoints RingOfPoints() {
    CurvePoints points;
    for (int i = 0; i < CurvePoints::kMax; ++i) {
        const double angle = 6.283185307179586 * i / CurvePoints::kMax;
        const double radius = 1200.0 + 600.0 * std::sin(5.0 * angle);
        points.x[i] = kSide / 2 + radius * std::cos(angle);
        points.y[i] = kSide / 2 + radius * std::sin(angle);
    }
    return points;
}

// Arg: 0 the preview, 1 the final drawing (a 4-pixel pen into the display and the layer).
void BM_CurveDrawing64Points(benchmark::State& state) {
    DocumentState doc;
    doc.layerStack = std::make_unique<LayerStack>(MakeCanvas());
    LayerStack& stack = *doc.layerStack;
    doc.documentBitmap = stack.Bitmap(Stack::kDisplaySlot);
    doc.currentLayer = Stack::kFirstLayer;
    doc.penWidth = 4;
    stack.curvePointCount = CurvePoints::kMax;
    const CurvePoints points = RingOfPoints();
    const CurveMode mode = state.range(0) == 0 ? CurveMode::Preview : CurveMode::Final;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawCurve(doc, points, mode));
        benchmark::ClobberMemory();
    }
    CountBytes(state, 2 * SlotBytes(stack));  // the composite slot copied into the display
}
BENCHMARK(BM_CurveDrawing64Points)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub::bench
