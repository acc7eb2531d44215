// Ending the multi-step operation in progress before a command acts on the document.
#include "app/main_window.h"
#include "tools/floating_range.h"

namespace daub {

// keep 1 (after layer commands) leaves a floating range floating.
void TDaubWindow::EndPendingOperation(int keep) {
    const int op = doc.pendingOp;
    if (op == pending::kRangeFloating) {
        if (keep == 0) CommitFloatingRange(doc, Host());
        return;
    }
    LayerStack& stack = *doc.layerStack;
    if (pending::IsCurve(op)) {
        LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kDisplaySlot),
                               stack.Bitmap(LayerStack::kCompositeSlot));
        stack.curvePointCount = 0;
    }
    // A shape's rubber band lives only in the display; ended by a key mid-drag (a zoom
    // step), it would stay on screen in no layer, since the release then draws nothing.
    if (pending::IsShape(op) && keep == 0)
        LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kDisplaySlot),
                               stack.Bitmap(LayerStack::kCompositeSlot));
    if (keep == 0) {
        doc.pendingOp = pending::kNone;
        Info().values.mode = 0;
    }
}

}  // namespace daub
