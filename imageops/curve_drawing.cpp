#include "imageops/curve_drawing.h"

#include <algorithm>
#include <cstdint>

#include "document/view_layout.h"
#include "imageops/curve_preview.h"
#include "imageops/spline.h"
#include "tools/draw_line.h"

namespace daub {
namespace {

using Column = std::array<double, CurvePoints::kMax>;

// One straight piece of the drawing, between two points in canvas pixels.
class SegmentPen {
  public:
    SegmentPen(DocumentState& doc, CurveMode mode)
        : doc_(doc), mode_(mode), display_(ViewOf(*doc.layerStack, LayerStack::kDisplaySlot, 0)) {}

    void operator()(SplinePoint from, SplinePoint to) const {
        const Point a{TruncSaturated(from.x), TruncSaturated(from.y)};
        const Point b{TruncSaturated(to.x), TruncSaturated(to.y)};
        if (mode_ == CurveMode::Preview) {
            PreviewLine(display_, doc_.drawColour, a, b);
            return;
        }
        const int w = doc_.penWidth;
        for (const int slot : {LayerStack::kDisplaySlot, doc_.currentLayer})
            DrawLine(*doc_.layerStack, doc_.drawColour, b.x, b.y, a.x, a.y, w, w, slot, -1);
    }

  private:
    DocumentState& doc_;
    CurveMode mode_;
    SlotView display_;
};

SplinePoint At(const CurvePoints& points, int i) {
    return {points.x[i], points.y[i]};
}

// The display without the previous preview, and the preview's markers.
void Begin(DocumentState& doc, const CurvePoints& points, int count, CurveMode mode) {
    LayerStack& stack = *doc.layerStack;
    LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kDisplaySlot),
                           stack.Bitmap(LayerStack::kCompositeSlot));
    if (mode != CurveMode::Preview) return;
    const SlotView display = ViewOf(stack, LayerStack::kDisplaySlot, 0);
    const int m = ReachAtZoom(doc.zoom).marker;
    const COLORREF inverse = doc.drawColour ^ 0xFFFFFF;
    for (int i = 0; i < count; ++i) {
        FillMarker(display, inverse, TruncSaturated(points.x[i] - m),
                   TruncSaturated(points.y[i] - m), TruncSaturated(points.x[i] + m),
                   TruncSaturated(points.y[i] + m));
    }
}

// The spline through the working points, once for each factor from the upper to the lower.
std::int64_t StrokeSpline(const DocumentState& doc, const Column& wx, const Column& wy, int count,
                          const SegmentPen& pen) {
    const CurveSettings& settings = doc.curveSettings;
    const int upper = std::clamp(settings.values[0], 1, kMostSegmentsPerPoint);
    const int lower = std::clamp(settings.values[1], 1, upper);
    SplineTable table;
    BuildSpline(table, wx.data(), wy.data(), count);
    std::int64_t drawn = 0;
    for (int j = upper; j >= lower; --j) {
        const std::int64_t segments = std::int64_t{count} * j;
        drawn += segments;
        const double step = 1.0 / static_cast<double>(segments);
        SplinePoint previous{wx[0], wy[0]};
        for (std::int64_t k = 0; k <= segments; ++k) {
            const SplinePoint current = EvaluateSpline(table, static_cast<double>(k) * step);
            pen(previous, current);
            previous = current;
        }
    }
    return drawn;
}

// Every later pass is the same copy of the placed points, moved by the offset but for the
// ends that are fixed.
void OffsetPoints(const DocumentState& doc, const CurvePoints& points, int count, Column& wx,
                  Column& wy) {
    const CurveSettings& settings = doc.curveSettings;
    const int first = settings.values[2] ? 1 : 0;
    const int last = count - 1 - (settings.values[3] ? 1 : 0);
    for (int i = first; i <= last; ++i) {
        wx[i] = points.x[i] + settings.reals[0];
        wy[i] = points.y[i] + settings.reals[1];
    }
}

}  // namespace

int CurvePointCount(const DocumentState& doc) {
    return doc.layerStack ? std::clamp(doc.layerStack->curvePointCount, 0, CurvePoints::kMax) : 0;
}

PointReach ReachAtZoom(float zoom) {
    if (zoom <= 0.25f) return {16.0, 16};
    if (zoom == 0.5f) return {8.0, 8};
    if (zoom == 1.0f) return {4.0, 4};
    if (zoom == 2.0f || zoom == 4.0f || zoom == 6.0f) return {2.0, 2};
    if (zoom >= 8.0f) return {1.0, 1};
    return {4.0 / zoom, 4};
}

std::int64_t DrawCurve(DocumentState& doc, const CurvePoints& points, CurveMode mode) {
    if (!doc.HasDocument()) return 0;
    const int count = CurvePointCount(doc);
    Begin(doc, points, count, mode);
    const SegmentPen pen(doc, mode);
    if (count == 2) pen(At(points, 0), At(points, 1));
    if (count < 3) return count == 2 ? 1 : 0;
    Column wx = points.x, wy = points.y;
    std::int64_t drawn = 0;
    for (int pass = 0; pass < doc.curveSettings.last; ++pass) {
        if (pass > 0) OffsetPoints(doc, points, count, wx, wy);
        drawn += StrokeSpline(doc, wx, wy, count, pen);
    }
    return drawn;
}

std::int64_t DrawPolyline(DocumentState& doc, const CurvePoints& points, CurveMode mode) {
    if (!doc.HasDocument()) return 0;
    const int count = CurvePointCount(doc);
    Begin(doc, points, count, mode);
    const SegmentPen pen(doc, mode);
    for (int i = 0; i + 1 < count; ++i)
        pen(At(points, i), At(points, i + 1));
    return std::max(count - 1, 0);
}

}  // namespace daub
