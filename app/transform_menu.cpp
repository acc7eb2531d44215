// The transform menu: flips, stretch and rotate, the canvas size and trim, the blur.
#include "app/main_window.h"
#include "app/menu_commands.h"
#include "app/resize_dialog.h"
#include "app/stretch_rotate_dialog.h"
#include "imageops/blur_picture.h"
#include "imageops/resize_canvas.h"
#include "imageops/transform_slot.h"
#include "imageops/transform_target.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "tools/floating_range.h"
#include "tools/mirror_slot.h"

namespace daub {
namespace {

constexpr char kUndoLostQuestion[] = "「元に戻す」が使えなくなります。よろしいですか？";
constexpr char kNoMemoryToTransform[] = "メモリが足りないため、画像を変形できませんでした。";
constexpr char kNoMemoryToResize[] = "メモリが足りないため、画像のサイズを変更できませんでした。";

void TellNoMemory(TDaubWindow& window, const char* text) {
    window.GetPlatform().ShowMessageBox(window.Handle(), text, "エラー", mb::kOk | mb::kIconError);
}

// The range if there is one, which then floats; otherwise the edited layer, after the pending
// operation ends. Either way one step of the edited layer's history.
void TransformRangeOrLayer(TDaubWindow& window, const SlotChange& change) {
    DocumentState& doc = window.doc;
    const bool range = pending::IsRange(doc.pendingOp);
    if (!range) window.EndPendingOperation(0);
    window.TakeSnapshot(SnapshotKind::Always);
    if (!(range ? TransformRange(doc, change) : TransformLayer(doc, change)))
        TellNoMemory(window, kNoMemoryToTransform);
    window.Repaint();
}

SlotChange Mirror(int direction) {
    return [direction](LayerStack& stack, int slot, int formatEntry) {
        MirrorSlot(stack, slot, direction, formatEntry);
        return true;
    };
}

bool AgreesToLoseUndo(TDaubWindow& window) {
    return window.GetPlatform().ShowMessageBox(window.Handle(), kUndoLostQuestion, "警告！！",
                                               mb::kYesNo) != answer::kNo;
}

// The canvas takes its new size; then the view from the origin at zoom 1, the information
// window and the layer image window. Without the memory nothing changes and the user is told.
bool ApplyCanvasSize(TDaubWindow& window, Point offset, int width, int height) {
    if (!ResizeCanvas(window.doc, offset.x, offset.y, width, height)) {
        TellNoMemory(window, kNoMemoryToResize);
        return false;
    }
    window.EndPendingOperation(0);
    window.ShowNewDocument();
    window.Repaint();
    return true;
}

}  // namespace

void FlipLeftRightCommand(TDaubWindow& window) {
    if (window.doc.HasDocument()) TransformRangeOrLayer(window, Mirror(kMirrorHorizontal));
}

void FlipTopBottomCommand(TDaubWindow& window) {
    if (window.doc.HasDocument()) TransformRangeOrLayer(window, Mirror(kMirrorVertical));
}

void StretchRotateCommand(TDaubWindow& window) {
    if (!window.doc.HasDocument()) return;
    StretchRotateDialog d;
    if (window.GetPlatform().RunModalDialog(d, window.Handle()) != answer::kOk) return;
    const COLORREF fill = window.doc.transparentColour;
    TransformRangeOrLayer(window, [&d, fill](LayerStack& stack, int slot, int formatEntry) {
        return TransformSlot(stack, fill, slot, d.angleDegrees, d.widthPercent * 0.01,
                             d.heightPercent * 0.01, kSlotMiddle, kSlotMiddle, d.smooth,
                             formatEntry);
    });
}

// The picture is cut or extended, not scaled, and the undo history is lost: the user is asked.
void ResizeCanvasCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!doc.HasDocument()) return;
    window.EndPendingOperation(0);
    const LayerStack& stack = *doc.layerStack;
    if (!stack.Format(0)) return;
    const int width = stack.Width(0), height = stack.Height(0);
    ResizeDialog dialog(width, height, 1);
    if (window.GetPlatform().RunModalDialog(dialog, window.Handle()) != answer::kOk) return;
    // A size no canvas can have (the dialog takes 0) changes nothing, as with New.
    if (!IsValidSlotSize(dialog.width, dialog.height)) return;
    if (!AgreesToLoseUndo(window)) return;
    if (dialog.width == width && dialog.height == height) return;
    ApplyCanvasSize(window,
                    ResizeOffset(width, height, dialog.width, dialog.height, dialog.centre != 0),
                    dialog.width, dialog.height);
}

// The canvas becomes the selected range, taken from the layers themselves; where the range
// reaches beyond the picture the canvas grows.
void TrimCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!doc.HasDocument() || doc.pendingOp != pending::kRangeSelected) return;
    if (!AgreesToLoseUndo(window)) return;
    const LayerStack& stack = *doc.layerStack;
    if (!stack.Format(0)) return;
    const Rect r = RangeCanvasRect(doc);
    if (r.width == stack.Width(0) && r.height == stack.Height(0)) return;
    if (!IsValidSlotSize(r.width, r.height)) return;
    ApplyCanvasSize(window, {r.x, r.y}, r.width, r.height);
}

// The whole picture blurred into the edited layer, as one step of its history.
void BlurCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!doc.HasDocument()) return;
    window.EndPendingOperation(0);
    window.TakeSnapshot(SnapshotKind::Always);
    BlurPicture(doc);
    window.Repaint();
}

}  // namespace daub
