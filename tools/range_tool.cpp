#include "tools/range_tool.h"

#include <algorithm>
#include <cstdlib>

#include "document/composite.h"
#include "tools/slot_copy.h"
#include "tools/slot_fill.h"

namespace daub {
namespace {

bool StrictlyInside(const Rect& r, Point p) {
    return r.x < p.x && p.x < static_cast<long long>(r.x) + r.width && r.y < p.y &&
           p.y < static_cast<long long>(r.y) + r.height;
}

int Distance(int a, int b) {
    return static_cast<int>(std::min<long long>(std::llabs(static_cast<long long>(a) - b),
                                                static_cast<long long>(INT32_MAX)));
}

void Lift(DocumentState& doc, ToolHost& host) {
    LayerStack& stack = *doc.layerStack;
    const Rect& s = doc.selection;
    doc.pendingOp = pending::kRangeFloating;
    host.Snapshot(SnapshotKind::Range);
    FillSlotRect(stack, doc.transparentColour, doc.currentLayer,
                 ToolCanvasCoordinate(s.x, doc.scrollX, doc.zoom),
                 ToolCanvasCoordinate(s.y, doc.scrollY, doc.zoom),
                 ToolCanvasLength(s.width, doc.zoom), ToolCanvasLength(s.height, doc.zoom), 0);
    Composite(stack, doc.transparentColour, doc.lastLayer, kFromFirstLayer,
              LayerStack::kCompositeSlot, 0);
}

void Press(DocumentState& doc, ToolHost& host, Point view) {
    const int op = doc.pendingOp;
    if ((op == pending::kRangeSelected || op == pending::kRangeFloating) &&
        StrictlyInside(doc.selection, view)) {
        doc.grabOffset = {view.x - doc.selection.x, view.y - doc.selection.y};
        if (op == pending::kRangeSelected) Lift(doc, host);
        return;
    }
    host.EndPendingOperation();
    if (view.x > doc.zoomedWidth || view.y > doc.zoomedHeight) return;
    doc.pendingOp = pending::kRangeDragged;
    host.ShowPendingState(pending::kRangeDragged);
    // The band runs to lastPoint; a click with no move in between must not reach back to
    // wherever the pointer was last reported.
    doc.pressPoint = doc.lastPoint = view;
}

void MoveFloating(DocumentState& doc, ToolHost& host, Point view) {
    LayerStack& stack = *doc.layerStack;
    Rect& s = doc.selection;
    s.x = view.x - doc.grabOffset.x;
    s.y = view.y - doc.grabOffset.y;
    LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kDisplaySlot),
                           stack.Bitmap(LayerStack::kCompositeSlot));
    CopyRectKeyed(stack, doc.transparentColour, LayerStack::kDisplaySlot,
                  ToolCanvasCoordinate(s.x, doc.scrollX, doc.zoom),
                  ToolCanvasCoordinate(s.y, doc.scrollY, doc.zoom),
                  ToolCanvasLength(s.width, doc.zoom), ToolCanvasLength(s.height, doc.zoom),
                  LayerStack::kRangeSlot, 0, 0, 0, 4, 0);
    host.Repaint();
}

void Fix(DocumentState& doc, ToolHost& host) {
    doc.pendingOp = pending::kRangeSelected;
    host.ShowPendingState(pending::kRangeSelected);
    doc.rangeEndPoint = doc.lastPoint;
    const Point a = doc.pressPoint, b = doc.rangeEndPoint;
    doc.selection = {std::min(a.x, b.x), std::min(a.y, b.y), Distance(a.x, b.x),
                     Distance(a.y, b.y)};
    doc.previousZoom = doc.zoom;
    const bool empty = ToolCanvasLength(doc.selection.width, doc.zoom) <= 0 ||
                       ToolCanvasLength(doc.selection.height, doc.zoom) <= 0;
    // A range too large for a slot is dropped: kept, a lift would float a stale range slot.
    if (!FillRangeSlot(doc) && !empty) {
        doc.pendingOp = pending::kNone;
        host.ShowPendingState(pending::kNone);
    }
}

}  // namespace

bool FillRangeSlot(DocumentState& doc) {
    LayerStack& stack = *doc.layerStack;
    const Rect& s = doc.selection;
    const int w = ToolCanvasLength(s.width, doc.zoom), h = ToolCanvasLength(s.height, doc.zoom);
    if (!stack.DefineFormat(4, w, h) ||
        !stack.CreateSlotBitmap(LayerStack::kRangeSlot, stack.Format(4)))
        return false;
    FillSlot(stack, doc.transparentColour, LayerStack::kRangeSlot, 4);
    CopyRectKeyed(stack, doc.transparentColour, LayerStack::kRangeSlot, 0, 0, w, h,
                  doc.currentLayer, ToolCanvasCoordinate(s.x, doc.scrollX, doc.zoom),
                  ToolCanvasCoordinate(s.y, doc.scrollY, doc.zoom), 4, 0, 0);
    return true;
}

void RangeSelect(DocumentState& doc, ToolHost& host, Point view, ToolPhase phase) {
    if (!doc.HasDocument()) return;
    if (phase == ToolPhase::LeftPress) {
        Press(doc, host, view);
    } else if (phase == ToolPhase::LeftDrag && doc.pendingOp == pending::kRangeFloating) {
        MoveFloating(doc, host, view);
    } else if (phase == ToolPhase::LeftRelease && doc.pendingOp == pending::kRangeDragged) {
        Fix(doc, host);
    }
}

void PutBackFloatingRange(DocumentState& doc, ToolHost& host) {
    if (!doc.HasDocument() || doc.pendingOp != pending::kRangeFloating) return;
    const Point a = doc.pressPoint, b = doc.rangeEndPoint;
    doc.selection.x = std::min(a.x, b.x);
    doc.selection.y = std::min(a.y, b.y);
    // The lifted place is in the view coordinates of the zoom the range was taken at.
    const double scale =
        doc.previousZoom > 0.0f ? static_cast<double>(doc.zoom) / doc.previousZoom : 1.0;
    const auto at = [scale](int corner, int grab) {
        return TruncSaturated((static_cast<double>(corner) + grab) * scale);
    };
    MoveFloating(doc, host,
                 {at(doc.selection.x, doc.grabOffset.x), at(doc.selection.y, doc.grabOffset.y)});
}

}  // namespace daub
