#include "tools/floating_range.h"

#include <algorithm>

#include "document/composite.h"
#include "document/zoom_steps.h"
#include "tools/slot_copy.h"
#include "tools/slot_fill.h"

namespace daub {
namespace {

// The range slot over the picture at the floating range's place, in the display only.
void DrawFloatingRange(DocumentState& doc) {
    LayerStack& stack = *doc.layerStack;
    const Rect r = FloatingRangeCanvasRect(doc);
    CopyRectKeyed(stack, doc.transparentColour, LayerStack::kDisplaySlot, r.x, r.y, r.width,
                  r.height, LayerStack::kRangeSlot, 0, 0, 0, 4, 0);
}

}  // namespace

Rect RangeCanvasRect(const DocumentState& doc) {
    const Rect& s = doc.selection;
    return {ToolCanvasCoordinate(s.x, doc.scrollX, doc.zoom),
            ToolCanvasCoordinate(s.y, doc.scrollY, doc.zoom), ToolCanvasLength(s.width, doc.zoom),
            ToolCanvasLength(s.height, doc.zoom)};
}

bool FillRangeSlot(DocumentState& doc) {
    LayerStack& stack = *doc.layerStack;
    const Rect r = RangeCanvasRect(doc);
    if (r.width <= 0 || r.height <= 0 || !stack.DefineFormat(4, r.width, r.height) ||
        !stack.CreateSlotBitmap(LayerStack::kRangeSlot, stack.Format(4)))
        return false;
    FillSlot(stack, doc.transparentColour, LayerStack::kRangeSlot, 4);
    CopyRectKeyed(stack, doc.transparentColour, LayerStack::kRangeSlot, 0, 0, r.width, r.height,
                  doc.currentLayer, r.x, r.y, 4, 0, 0);
    return true;
}

// The hole is cut where the range lies on the canvas only: FillSlotRect would move a start
// left of or above the canvas to its edge and clear the range's full size from there, more
// than the range slot holds to put back.
void LiftRange(DocumentState& doc, ToolHost& host) {
    LayerStack& stack = *doc.layerStack;
    doc.pendingOp = pending::kRangeFloating;
    host.Snapshot(SnapshotKind::Range);
    const Rect hole = ClipRect(RangeCanvasRect(doc), stack.Width(0), stack.Height(0));
    FillSlotRect(stack, doc.transparentColour, doc.currentLayer, hole.x, hole.y, hole.width,
                 hole.height, 0);
    Composite(stack, doc.transparentColour, doc.lastLayer, kFromFirstLayer,
              LayerStack::kCompositeSlot, 0);
}

void MoveFloatingRange(DocumentState& doc, ToolHost& host, Point view) {
    doc.selection.x = view.x - doc.grabOffset.x;
    doc.selection.y = view.y - doc.grabOffset.y;
    RedrawFloatingRange(doc);
    host.Repaint();
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
    MoveFloatingRange(
        doc, host, {at(doc.selection.x, doc.grabOffset.x), at(doc.selection.y, doc.grabOffset.y)});
}

void RedrawFloatingRange(DocumentState& doc) {
    LayerStack& stack = *doc.layerStack;
    LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kDisplaySlot),
                           stack.Bitmap(LayerStack::kCompositeSlot));
    DrawFloatingRange(doc);
}

void RefreshSelectedRange(DocumentState& doc) {
    doc.previousZoom = doc.zoom;
    FillRangeSlot(doc);
}

void CommitFloatingRange(DocumentState& doc, ToolHost& host) {
    LayerStack& stack = *doc.layerStack;
    const Rect r = FloatingRangeCanvasRect(doc);
    for (int target : {static_cast<int>(LayerStack::kDisplaySlot), doc.currentLayer})
        CopyRectKeyed(stack, doc.transparentColour, target, r.x, r.y, r.width, r.height,
                      LayerStack::kRangeSlot, 0, 0, 0, 4, 0);
    doc.pendingOp = pending::kNone;
    host.Repaint();
}

}  // namespace daub
