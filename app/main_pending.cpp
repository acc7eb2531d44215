// Ending the multi-step operation in progress before a command acts on the document.
#include "app/main_window.h"
#include "tools/slot_copy.h"

namespace daub {
namespace {

int ToCanvas(int view, int scroll, float zoom) {
    return static_cast<int>(static_cast<float>(view + scroll) / zoom);
}

int Scaled(int length, float zoom) {
    return static_cast<int>(static_cast<float>(length) / zoom);
}

bool IsCurveInProgress(int pendingOp) {
    return pendingOp == 10 || pendingOp == 11 || pendingOp == 50 || pendingOp == 51;
}

bool IsShapeInProgress(int pendingOp) {
    return pendingOp == pending::kLineDragged || pendingOp == pending::kEllipseDragged ||
           pendingOp == pending::kRectangleDragged;
}

}  // namespace

// keep 1 (after layer commands) leaves a floating range floating.
void TDaubWindow::EndPendingOperation(int keep) {
    const int op = doc.pendingOp;
    if (op == pending::kRangeFloating) {
        if (keep == 0) CommitFloatingRange();
        return;
    }
    if (IsCurveInProgress(op)) {
        LayerStack::CopyBitmap(doc.layerStack->Bitmap(LayerStack::kDisplaySlot),
                               doc.layerStack->Bitmap(LayerStack::kCompositeSlot));
        doc.layerStack->curvePointCount = 0;
    }
    // A shape's rubber band lives only in the display; ended by a key mid-drag (a zoom
    // step), it would stay on screen in no layer, since the release then draws nothing.
    if (IsShapeInProgress(op) && keep == 0)
        LayerStack::CopyBitmap(doc.layerStack->Bitmap(LayerStack::kDisplaySlot),
                               doc.layerStack->Bitmap(LayerStack::kCompositeSlot));
    if (keep == 0) {
        doc.pendingOp = pending::kNone;
        infoWindow->values.mode = 0;
    }
}

// The pasted or moved range becomes part of the edited layer where it floats.
void TDaubWindow::CommitFloatingRange() {
    LayerStack& stack = *doc.layerStack;
    const Rect& s = doc.selection;
    const int x = ToCanvas(s.x, doc.scrollX, doc.zoom);
    const int y = ToCanvas(s.y, doc.scrollY, doc.zoom);
    const int w = Scaled(s.width, doc.zoom);
    const int h = Scaled(s.height, doc.zoom);
    for (int target : {static_cast<int>(LayerStack::kDisplaySlot), doc.currentLayer})
        CopyRectKeyed(stack, doc.transparentColour, target, x, y, w, h, LayerStack::kRangeSlot, 0,
                      0, 0, 4, 0);
    doc.pendingOp = pending::kNone;
    Repaint();
}

}  // namespace daub
