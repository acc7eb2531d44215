#include "tools/shape_tools.h"

#include <cstdlib>

#include "tools/draw_ellipse.h"
#include "tools/draw_line.h"
#include "tools/stamp_block.h"

namespace daub {
namespace {

bool IsPress(ToolPhase phase) {
    return phase == ToolPhase::LeftPress || phase == ToolPhase::RightPress;
}

bool IsDrag(ToolPhase phase) {
    return phase == ToolPhase::LeftDrag || phase == ToolPhase::RightDrag;
}

bool IsRelease(ToolPhase phase) {
    return phase == ToolPhase::LeftRelease || phase == ToolPhase::RightRelease;
}

void CopyWhole(LayerStack& stack, int to, int from) {
    LayerStack::CopyBitmap(stack.Bitmap(to), stack.Bitmap(from));
}

// The shape from the press point to the pointer into one slot.
void DrawShape(const DocumentState& doc, ShapeKind shape, COLORREF colour, Point view, int slot) {
    LayerStack& stack = *doc.layerStack;
    const int w = doc.penWidth;
    const Point c = ToolCanvasPoint(doc, view);
    const Point p = ToolCanvasPoint(doc, doc.pressPoint);
    switch (shape) {
        case ShapeKind::Line:
            StampBlock(stack, colour, slot, c.x, c.y, w, w, -1, 0);
            DrawLine(stack, colour, c.x, c.y, p.x, p.y, w, w, slot, -1);
            break;
        case ShapeKind::Rectangle:
            DrawLine(stack, colour, c.x, c.y, p.x, c.y, w, w, slot, -1);
            DrawLine(stack, colour, c.x, c.y, c.x, p.y, w, w, slot, -1);
            DrawLine(stack, colour, c.x, p.y, p.x, p.y, w, w, slot, -1);
            DrawLine(stack, colour, p.x, c.y, p.x, p.y, w, w, slot, -1);
            break;
        case ShapeKind::Ellipse: {
            // Inscribed in the box from the press point to the pointer, in fractional pixels.
            const double zoom = doc.zoom;
            const double x0 = (static_cast<double>(doc.pressPoint.x) + doc.scrollX) / zoom;
            const double y0 = (static_cast<double>(doc.pressPoint.y) + doc.scrollY) / zoom;
            const double x1 = (static_cast<double>(view.x) + doc.scrollX) / zoom;
            const double y1 = (static_cast<double>(view.y) + doc.scrollY) / zoom;
            const double gx = (x0 + x1) * 0.5, gy = (y0 + y1) * 0.5;
            const int rx = std::abs(TruncSaturated(gx - x0));
            const int ry = std::abs(TruncSaturated(gy - y0));
            DrawEllipse(stack, colour, TruncSaturated(gx), TruncSaturated(gy), rx, ry, w, w, slot,
                        -1);
            break;
        }
    }
}

}  // namespace

pending::PendingOp ShapePendingOp(ShapeKind shape) {
    switch (shape) {
        case ShapeKind::Line:
            return pending::kLineDragged;
        case ShapeKind::Rectangle:
            return pending::kRectangleDragged;
        case ShapeKind::Ellipse:
            return pending::kEllipseDragged;
    }
    return pending::kNone;
}

void ShapeTool(DocumentState& doc, ToolHost& host, ShapeKind shape, Point view, ToolPhase phase) {
    if (!doc.HasDocument()) return;
    LayerStack& stack = *doc.layerStack;
    const pending::PendingOp op = ShapePendingOp(shape);
    const COLORREF colour = IsLeftPhase(phase) ? doc.drawColour : doc.secondColour;
    if (IsPress(phase)) {
        const bool otherDragging =
            phase == ToolPhase::LeftPress ? doc.rightDragging != 0 : doc.leftDragging != 0;
        if (otherDragging || view.x > doc.zoomedWidth || view.y > doc.zoomedHeight) return;
        doc.pressPoint = doc.lastPoint = view;
        doc.pendingOp = op;
        CopyWhole(stack, LayerStack::kCompositeSlot, LayerStack::kDisplaySlot);
        host.Repaint();
    } else if (IsDrag(phase) && doc.pendingOp == op) {
        CopyWhole(stack, LayerStack::kDisplaySlot, LayerStack::kCompositeSlot);
        DrawShape(doc, shape, colour, view, LayerStack::kDisplaySlot);
    } else if (IsRelease(phase) && doc.pendingOp == op) {
        host.Snapshot(SnapshotKind::Always);
        CopyWhole(stack, LayerStack::kDisplaySlot, LayerStack::kCompositeSlot);
        DrawShape(doc, shape, colour, view, LayerStack::kDisplaySlot);
        DrawShape(doc, shape, colour, view, doc.currentLayer);
        host.Repaint();
        doc.pendingOp = pending::kNone;
    }
}

void ShapeCanvasTool::Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    ShapeTool(doc, host, shape_, event.view, event.phase);
}

void ShapeCanvasTool::Drag(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    ShapeTool(doc, host, shape_, event.view, event.phase);
}

void ShapeCanvasTool::Release(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    ShapeTool(doc, host, shape_, event.view, event.phase);
}

}  // namespace daub
