// The edit menu: undo and redo of the edited layer, and the range commands with the clipboard.
#include <memory>
#include <utility>

#include "app/canvas_tool_host.h"
#include "app/main_window.h"
#include "app/menu_commands.h"
#include "app/platform_message_sink.h"
#include "files/undo_files.h"
#include "imageops/range_commands.h"
#include "platform/message_box.h"
#include "platform/platform.h"

namespace daub {
namespace {

constexpr char kCopyNoMemory[] = "メモリが足りないため、コピーできませんでした。";
constexpr char kCopyRefused[] = "クリップボードにコピーできませんでした。";
constexpr char kPasteTooLarge[] = "画像が大きすぎるため、貼り付けできませんでした。";
constexpr char kPasteNoMemory[] = "メモリが足りないため、貼り付けできませんでした。";

void TellError(TDaubWindow& window, const char* text) {
    window.GetPlatform().ShowMessageBox(window.Handle(), text, "エラー", mb::kOk | mb::kIconError);
}

// The clipboard's picture as a bitmap of its own, or null, after telling the user why when
// there is a picture that cannot be taken.
std::unique_ptr<SlotBitmap> TakePicture(TDaubWindow& window) {
    const auto taken = window.GetPlatform().TakeClipboardBitmap(window.Handle());
    if (!taken) return nullptr;
    if (taken->tooLarge || !IsValidSlotSize(taken->width, taken->height)) {
        TellError(window, kPasteTooLarge);
        return nullptr;
    }
    const std::size_t bytes = static_cast<std::size_t>(RowStride(taken->width)) * taken->height;
    if (taken->bits.size() < bytes) return nullptr;
    std::unique_ptr<SlotBitmap> picture = BitmapOfRows(taken->width, taken->height, taken->bits);
    if (!picture) TellError(window, kPasteNoMemory);
    return picture;
}

}  // namespace

void UndoCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!CanUndo(doc)) return;
    window.EndPendingOperation(0);
    PlatformMessageSink messages(window.GetPlatform(), window.Handle());
    if (Undo(doc, messages)) window.CompositeDocument();
    window.Repaint();
}

void RedoCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!CanRedo(doc)) return;
    window.EndPendingOperation(0);
    if (Redo(doc)) window.CompositeDocument();
    window.Repaint();
}

// Nothing of the document changes. A copy that did not reach the clipboard says so: a later
// paste would otherwise bring back whatever was there before.
void CopyCommand(TDaubWindow& window) {
    const RangePicture picture = PictureOfRange(window.doc);
    if (picture.outOfMemory) return TellError(window, kCopyNoMemory);
    const ConstSlotView& p = picture.pixels;
    if (!p) return;
    if (!window.GetPlatform().PutClipboardBitmap(window.Handle(),
                                                 {p.bits, p.width, p.height, p.stride}))
        TellError(window, kCopyRefused);
}

// The picture is taken whole before anything changes: one too large for a slot or for the
// memory left is refused with the document as it was, a floating range still floating.
void PasteCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!doc.HasDocument()) return;
    std::unique_ptr<SlotBitmap> picture = TakePicture(window);
    if (!picture) return;
    window.EndPendingOperation(0);
    doc.pressPoint = {0, 0};
    window.TakeSnapshot(SnapshotKind::Range);
    FloatPastedPicture(doc, std::move(picture));
    window.ShowLeftTool();
    window.RepaintWithRange();
}

// A selected range is a change of the layer, with its snapshot; a floating one took its
// snapshot when it began to float.
// Delete is this command's accelerator: while curve points are being placed it takes back the
// last one instead.
void DeleteRangeCommand(TDaubWindow& window) {
    constexpr int kVkDelete = 0x2E;
    if (window.KeyToLeftTool(kVkDelete)) return;
    DocumentState& doc = window.doc;
    if (!doc.HasDocument() || !pending::IsRange(doc.pendingOp)) return;
    if (doc.pendingOp == pending::kRangeSelected) window.TakeSnapshot(SnapshotKind::Range);
    DeleteRange(doc);
    window.Info().values.mode = 0;
    window.Repaint();
}

void SelectAllCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!doc.HasDocument()) return;
    window.EndPendingOperation(0);
    CanvasToolHost host(window);
    SelectWholeCanvas(doc, host);
    window.Repaint();
}

}  // namespace daub
