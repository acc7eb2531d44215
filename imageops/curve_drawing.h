#pragma once

#include <array>
#include <cstdint>

#include "document/document_state.h"

namespace daub {

// The control points of the curve or polyline being placed, in canvas pixels, unrounded. How
// many there are is the layer stack's curvePointCount, the one count the program keeps.
struct CurvePoints {
    static constexpr int kMax = 64;
    std::array<double, kMax> x{}, y{};
};

enum class CurveMode { Preview, Final };

// The segment factors are held to this many segments per point: a larger one would only make
// a drawing last for hours, with no pixel to show for it.
inline constexpr int kMostSegmentsPerPoint = 1000;

// curvePointCount, held to 0 … 64.
int CurvePointCount(const DocumentState& doc);

// How near a press must come to a point to take it, and the half size of its marker, in
// canvas pixels: a few screen pixels at every zoom.
struct PointReach {
    double pick = 4.0;
    int marker = 4;
};
PointReach ReachAtZoom(float zoom);

// Both start by restoring the display slot from the composite slot. A preview then marks
// every point with a square of the inverse of drawColour and draws one-pixel lines in
// drawColour, into the display slot only; the final drawing draws penWidth lines in
// drawColour into the display slot and the edited layer. The caller repaints. Both give the
// number of straight segments they drew.
// The curve: a spline through the points, drawn once per factor from the upper to the lower
// and once more per further pass with the second stroke's offset; two points make one
// straight segment.
std::int64_t DrawCurve(DocumentState& doc, const CurvePoints& points, CurveMode mode);
// The polyline: each point joined to the next, the last not back to the first.
std::int64_t DrawPolyline(DocumentState& doc, const CurvePoints& points, CurveMode mode);

}  // namespace daub
