// The file menu: new picture, opening and saving pictures and layer sets, closing.
#include "app/document_opening.h"
#include "app/main_window.h"
#include "app/menu_commands.h"
#include "app/platform_message_sink.h"
#include "app/resize_dialog.h"
#include "document/slot_format.h"
#include "files/bmp_writer.h"
#include "files/layer_set_files.h"
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
    window.ShowNewDocument();
}

void OpenBitmapCommand(TDaubWindow& window) {
    if (!AskToReplace(window)) return;
    const auto path = window.GetPlatform().AskFileName(
        window.Handle(), {"ビットマップファイル |*.bmp||", "bmp", "*.bmp ", false});
    if (!path) return;
    OpenBitmapDocument(window, *path);
    RecordRecent(window, RecordKind::Bitmap, *path);
}

// Only a picture that was written leaves the document unmodified: after a failed save the
// change question still guards the picture.
void SaveCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!doc.HasDocument()) return;
    const std::string question = doc.fileName + "に保存します。よろしいですか？";
    if (window.GetPlatform().ShowMessageBox(window.Handle(), question, "確認", mb::kYesNo) !=
        answer::kYes)
        return;
    window.EndPendingOperation(0);
    PlatformMessageSink messages(window.GetPlatform(), window.Handle());
    if (WriteBitmapFile(messages, doc.fileName, *doc.layerStack, LayerStack::kDisplaySlot, 0))
        doc.modified = 0;
}

// The name changes only with a picture written under it.
void SaveBitmapAsCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!doc.HasDocument()) return;
    const auto path = window.GetPlatform().AskFileName(
        window.Handle(), {"ビットマップファイル |", "bmp", doc.fileName, true});
    if (!path) return;
    window.EndPendingOperation(0);
    PlatformMessageSink messages(window.GetPlatform(), window.Handle());
    if (WriteBitmapFile(messages, *path, *doc.layerStack, LayerStack::kDisplaySlot, 0)) {
        doc.modified = 0;
        doc.fileName = *path;
    }
    RecordRecent(window, RecordKind::Bitmap, *path);
}

void OpenLayersCommand(TDaubWindow& window) {
    if (!AskToReplace(window)) return;
    const auto path = window.GetPlatform().AskFileName(
        window.Handle(), {"レイヤー定義ファイル |*.dbq||", "dbq", "*.dbq", false});
    if (path) OpenLayerFile(window, *path);
}

void SaveLayersCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!doc.HasDocument()) return;
    window.EndPendingOperation(0);
    const auto path = window.GetPlatform().AskFileName(
        window.Handle(), {"レイヤー定義ファイル |", "dbq", "*.dbq", true});
    if (!path) return;
    PlatformMessageSink messages(window.GetPlatform(), window.Handle());
    if (SaveLayerSet(messages, *path, *doc.layerStack, doc.lastLayer)) doc.modified = 0;
    // Recorded once written: the list keeps only files that exist.
    RecordRecent(window, RecordKind::LayerFile, *path);
}

void CloseCommand(TDaubWindow& window) {
    window.GetPlatform().SendWindowMessage(window.Handle(), {wm::kClose, 0, 0});
}

}  // namespace daub
