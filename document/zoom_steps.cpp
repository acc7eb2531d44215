#include "document/zoom_steps.h"

#include <algorithm>
#include <cmath>

#include "document/view_layout.h"

namespace daub {

// Each replacement applies to the result of the one before, so a value moves one level.
float ZoomInFrom(float zoom) {
    if (zoom >= 6.0f) zoom = 8.0f;
    if (zoom == 4.0f) zoom = 6.0f;
    if (zoom == 2.0f) zoom = 4.0f;
    if (zoom == 1.0f) zoom = 2.0f;
    if (zoom == 0.5f) zoom = 1.0f;
    if (zoom == 0.25f) zoom = 0.5f;
    if (zoom <= 0.1f) zoom = 0.25f;
    return zoom;
}

float ZoomOutFrom(float zoom) {
    if (zoom <= 0.25f) zoom = 0.1f;
    if (zoom == 0.5f) zoom = 0.25f;
    if (zoom == 1.0f) zoom = 0.5f;
    if (zoom == 2.0f) zoom = 1.0f;
    if (zoom == 4.0f) zoom = 2.0f;
    if (zoom == 6.0f) zoom = 4.0f;
    if (zoom >= 8.0f) zoom = 6.0f;
    return zoom;
}

bool ZoomKeepsPendingOp(int pendingOp) {
    constexpr int kCurvePoints = 10, kCurveFinished = 12;
    constexpr int kPolylinePoints = 50, kPolylineFinished = 52;
    return pendingOp == pending::kRangeFloating ||
           (pendingOp >= kCurvePoints && pendingOp <= kCurveFinished) ||
           (pendingOp >= kPolylinePoints && pendingOp <= kPolylineFinished);
}

namespace {

ZoomStep Step(DocumentState& doc, float newZoom) {
    ZoomStep step;
    step.oldZoom = doc.zoom;
    doc.zoom = newZoom;
    if (doc.pendingOp == pending::kRangeFloating) {
        RescaleFloatingRange(doc);
        step.redrawFloatingRange = true;
    }
    step.endPendingOp = !ZoomKeepsPendingOp(doc.pendingOp);
    return step;
}

BitmapHandle RangeBitmap(const DocumentState& doc) {
    return doc.layerStack ? doc.layerStack->Bitmap(LayerStack::kRangeSlot) : nullptr;
}

bool UsableZoom(float zoom) {
    return zoom > 0.0f && std::isfinite(zoom);
}

// How much of a range side of rangeLength pixels a floating range covers. A view length
// that is the range's own at this zoom (a paste, a zoom step) covers it whole: below zoom 1
// that length is truncated, and scaled back it would leave the last columns or rows out.
int CoveredLength(int viewLength, int canvasLength, int rangeLength, float zoom) {
    if (TruncSaturated(static_cast<float>(rangeLength) * zoom) == viewLength) return rangeLength;
    return std::min(canvasLength, rangeLength);
}

}  // namespace

ZoomStep ZoomIn(DocumentState& doc) {
    return Step(doc, ZoomInFrom(doc.zoom));
}

ZoomStep ZoomOut(DocumentState& doc) {
    ZoomStep step = Step(doc, ZoomOutFrom(doc.zoom));
    step.eraseBackground = true;
    return step;
}

void RescaleFloatingRange(DocumentState& doc) {
    Rect& s = doc.selection;
    s.x = 0;
    s.y = 0;
    const float zoom = doc.zoom;
    if (const BitmapHandle range = RangeBitmap(doc)) {
        // From the range's own size: scaling the previous view size would lose a pixel at
        // every step below 1 and shrink the range for good on the way back.
        s.width = TruncSaturated(static_cast<float>(range->width) * zoom);
        s.height = TruncSaturated(static_cast<float>(range->height) * zoom);
    } else if (UsableZoom(doc.previousZoom)) {
        s.width = TruncSaturated(static_cast<float>(s.width) * zoom / doc.previousZoom);
        s.height = TruncSaturated(zoom * static_cast<float>(s.height) / doc.previousZoom);
    }
    doc.previousZoom = zoom;
}

Rect FloatingRangeCanvasRect(const DocumentState& doc) {
    const float zoom = doc.zoom;
    if (!UsableZoom(zoom)) return {};
    const Rect& s = doc.selection;
    const auto canvas = [zoom](long long v) {
        return TruncSaturated(static_cast<float>(v) / zoom);
    };
    Rect r{canvas(static_cast<long long>(s.x) + doc.scrollX),
           canvas(static_cast<long long>(s.y) + doc.scrollY), std::max(canvas(s.width), 0),
           std::max(canvas(s.height), 0)};
    if (const BitmapHandle range = RangeBitmap(doc)) {
        r.width = CoveredLength(s.width, r.width, range->width, zoom);
        r.height = CoveredLength(s.height, r.height, range->height, zoom);
    }
    return r;
}

}  // namespace daub
