#pragma once

namespace daub {

// The multi-step operation in progress; the values are the ones the information window shows.
namespace pending {
enum PendingOp : int {
    kNone = 0,
    kRangeDragged = 1,
    kRangeSelected = 2,
    kRangeFloating = 3,
    kCurvePlacing = 10,
    kCurveDragging = 11,
    kCurveDrawn = 12,
    kLineDragged = 20,
    kEllipseDragged = 30,
    kRectangleDragged = 40,
    kPolylinePlacing = 50,
    kPolylineDragging = 51,
    kPolylineDrawn = 52,
};

inline bool IsRange(int op) {
    return op == kRangeSelected || op == kRangeFloating;
}

inline bool IsCurve(int op) {
    return op == kCurvePlacing || op == kCurveDragging || op == kPolylinePlacing ||
           op == kPolylineDragging;
}

inline bool IsShape(int op) {
    return op == kLineDragged || op == kEllipseDragged || op == kRectangleDragged;
}
}  // namespace pending

}  // namespace daub
