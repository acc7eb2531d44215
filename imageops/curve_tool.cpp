#include "imageops/curve_tool.h"

#include <algorithm>

namespace daub {
namespace {

constexpr int kVkBack = 0x08;
constexpr int kVkDelete = 0x2E;

struct CanvasPosition {
    double x = 0.0;
    double y = 0.0;
};

// The pointer in canvas pixels, unrounded.
CanvasPosition CanvasAt(const DocumentState& doc, Point view) {
    const double zoom = doc.zoom;
    return {(static_cast<double>(view.x) + doc.scrollX) / zoom,
            (static_cast<double>(view.y) + doc.scrollY) / zoom};
}

bool OnCanvas(const DocumentState& doc, CanvasPosition p) {
    const LayerStack& stack = *doc.layerStack;
    return p.x >= 0.0 && p.y >= 0.0 && p.x <= stack.Width(0) && p.y <= stack.Height(0);
}

}  // namespace

CurveCanvasTool::CurveCanvasTool(CurveShape shape) : shape_(shape) {
    const bool curve = shape == CurveShape::Curve;
    placing_ = curve ? pending::kCurvePlacing : pending::kPolylinePlacing;
    dragging_ = curve ? pending::kCurveDragging : pending::kPolylineDragging;
    drawn_ = curve ? pending::kCurveDrawn : pending::kPolylineDrawn;
}

void CurveCanvasTool::Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    if (!doc.HasDocument()) return;
    if (event.phase == ToolPhase::LeftPress) LeftPress(doc, host, event.view);
    if (event.phase == ToolPhase::RightPress) RightPress(doc, host);
}

// A new shape starts from the picture as it is shown now; a press on a point takes it.
void CurveCanvasTool::LeftPress(DocumentState& doc, ToolHost& host, Point view) {
    LayerStack& stack = *doc.layerStack;
    const bool open = doc.pendingOp == placing_ || doc.pendingOp == dragging_;
    if (!open) stack.curvePointCount = 0;
    const int count = CurvePointCount(doc);
    if (count >= CurvePoints::kMax) {
        host.Warn("点の数が限界です。", "注意");
        return;
    }
    if (!open)
        LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kDisplaySlot),
                               stack.Bitmap(LayerStack::kCompositeSlot));
    const CanvasPosition g = CanvasAt(doc, view);
    if (!OnCanvas(doc, g)) return;
    doc.pendingOp = placing_;
    const double r = ReachAtZoom(doc.zoom).pick;
    for (int i = 0; i < count; ++i) {
        if (points_.x[i] - r <= g.x && g.x <= points_.x[i] + r && points_.y[i] - r <= g.y &&
            g.y <= points_.y[i] + r) {
            doc.pendingOp = dragging_;
            dragPoint_ = i;
            return;
        }
    }
    points_.x[count] = g.x;
    points_.y[count] = g.y;
    stack.curvePointCount = count + 1;
    Draw(doc, host, CurveMode::Preview);
}

// A point still marked as dragged here lost its drag with the mouse capture: it is put down.
void CurveCanvasTool::RightPress(DocumentState& doc, ToolHost& host) {
    if (doc.pendingOp == dragging_ && !doc.leftDragging) doc.pendingOp = placing_;
    if (doc.pendingOp != placing_) return;
    host.Snapshot(SnapshotKind::Always);
    Draw(doc, host, CurveMode::Final);
    doc.layerStack->curvePointCount = 0;
    doc.pendingOp = drawn_;
}

void CurveCanvasTool::Drag(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    if (!doc.HasDocument() || event.phase != ToolPhase::LeftDrag || doc.pendingOp != dragging_)
        return;
    MoveDragged(doc, event.view);
    Draw(doc, host, CurveMode::Preview);
}

void CurveCanvasTool::Release(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    if (!doc.HasDocument()) return;
    if (event.phase == ToolPhase::RightRelease && doc.pendingOp == drawn_) {
        doc.pendingOp = pending::kNone;
    } else if (event.phase == ToolPhase::LeftRelease && doc.pendingOp == dragging_) {
        doc.pendingOp = placing_;
        MoveDragged(doc, event.view);
        Draw(doc, host, CurveMode::Preview);
    }
}

// A dragged point may leave the canvas.
void CurveCanvasTool::MoveDragged(DocumentState& doc, Point view) {
    const CanvasPosition g = CanvasAt(doc, view);
    points_.x[dragPoint_] = g.x;
    points_.y[dragPoint_] = g.y;
}

bool CurveCanvasTool::Key(DocumentState& doc, ToolHost& host, int key) {
    if (key != kVkBack && key != kVkDelete) return false;
    if (!doc.HasDocument() || doc.pendingOp != placing_) return false;
    doc.layerStack->curvePointCount = std::max(CurvePointCount(doc) - 1, 0);
    Draw(doc, host, CurveMode::Preview);
    return true;
}

bool CurveCanvasTool::TakesRightButton(const DocumentState& doc) const {
    return doc.pendingOp == placing_ || doc.pendingOp == dragging_;
}

void CurveCanvasTool::Draw(DocumentState& doc, ToolHost& host, CurveMode mode) const {
    if (shape_ == CurveShape::Curve)
        DrawCurve(doc, points_, mode);
    else
        DrawPolyline(doc, points_, mode);
    host.Repaint();
}

}  // namespace daub
