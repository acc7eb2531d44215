// The file menu: new picture and closing.
#include "app/main_window.h"
#include "app/menu_commands.h"
#include "app/resize_dialog.h"
#include "document/slot_format.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/window_styles.h"
#include "tools/slot_fill.h"

namespace daub {
namespace {

constexpr char kNewQuestion[] = "画像が変更されています。新しいファイルを作成しますか？";
constexpr char kNoMemory[] = "メモリが足りないため、画像を作成できませんでした。";

}  // namespace

// A blank white canvas of the chosen size. A size no canvas can have changes nothing; so
// does one whose memory cannot be had, and the user is told.
void NewCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    Platform& platform = window.GetPlatform();
    if (!window.AskToDiscard(kNewQuestion, "注意")) return;
    ResizeDialog dialog(640, 400, 0);
    if (platform.RunModalDialog(dialog, window.Handle()) != answer::kOk) return;
    if (!IsValidSlotSize(dialog.width, dialog.height)) return;
    if (!StartBlankDocument(doc, dialog.width, dialog.height, 0xFFFFFF)) {
        platform.ShowMessageBox(window.Handle(), kNoMemory, "エラー", mb::kOk | mb::kIconError);
        return;
    }
    window.RelayoutAt(0, 0, 1.0f);
    window.Info().values.zoom = doc.zoom;
    window.Info().Paint();
    platform.RedrawNow(window.Handle());
    window.ShowEditedLayer();
    window.ShowLayerList();
}

void CloseCommand(TDaubWindow& window) {
    window.GetPlatform().SendWindowMessage(window.Handle(), {wm::kClose, 0, 0});
}

}  // namespace daub
