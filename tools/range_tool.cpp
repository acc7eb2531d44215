#include "tools/range_tool.h"

#include "tools/floating_range.h"

#include <algorithm>
#include <cstdlib>

#include "document/composite.h"
#include "tools/slot_copy.h"
#include "tools/slot_fill.h"

#include "tools/tool_cursors.h"

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

void Press(DocumentState& doc, ToolHost& host, Point view) {
    const int op = doc.pendingOp;
    if ((op == pending::kRangeSelected || op == pending::kRangeFloating) &&
        StrictlyInside(doc.selection, view)) {
        doc.grabOffset = {view.x - doc.selection.x, view.y - doc.selection.y};
        if (op == pending::kRangeSelected) LiftRange(doc, host);
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

void Fix(DocumentState& doc, ToolHost& host) {
    doc.pendingOp = pending::kRangeSelected;
    host.ShowPendingState(pending::kRangeSelected);
    doc.rangeEndPoint = doc.lastPoint;
    const Point a = doc.pressPoint, b = doc.rangeEndPoint;
    doc.selection = {std::min(a.x, b.x), std::min(a.y, b.y), Distance(a.x, b.x),
                     Distance(a.y, b.y)};
    doc.previousZoom = doc.zoom;
    // A range empty in canvas pixels, or too large for a slot, is dropped: kept, a lift or a
    // zoom step would float whatever the range slot held before. Its band leaves the screen.
    if (!FillRangeSlot(doc)) {
        doc.pendingOp = pending::kNone;
        host.Repaint();
        host.ShowPendingState(pending::kNone);
    }
}

}  // namespace

void RangeSelect(DocumentState& doc, ToolHost& host, Point view, ToolPhase phase) {
    if (!doc.HasDocument()) return;
    if (phase == ToolPhase::LeftPress) {
        Press(doc, host, view);
    } else if (phase == ToolPhase::LeftDrag && doc.pendingOp == pending::kRangeFloating) {
        MoveFloatingRange(doc, host, view);
    } else if (phase == ToolPhase::LeftRelease && doc.pendingOp == pending::kRangeDragged) {
        Fix(doc, host);
    }
}

void RangeTool::Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    if (event.Left()) RangeSelect(doc, host, event.view, event.phase);
}

void RangeTool::Drag(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    if (event.Left()) RangeSelect(doc, host, event.view, event.phase);
}

void RangeTool::Release(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    if (event.Left()) RangeSelect(doc, host, event.view, event.phase);
}

int RangeTool::PressCursor(bool left) const {
    return left ? cursor::kCross : 0;
}

int RangeTool::MoveCursor() const {
    return cursor::kCross;
}

}  // namespace daub
