// The file menu: new picture, opening and saving pictures and layer sets, closing.
#include "app/document_opening.h"
#include "app/main_window.h"
#include "app/menu_commands.h"
#include "app/platform_message_sink.h"
#include "app/platform_picture_formats.h"
#include "app/resize_dialog.h"
#include "document/slot_format.h"
#include "files/layer_set_files.h"
#include "files/picture_files.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/window_styles.h"
#include "tools/slot_fill.h"

namespace daub {
namespace {

constexpr char kNewQuestion[] = "画像が変更されています。新しいファイルを作成しますか？";
constexpr char kNoMemory[] = "メモリが足りないため、画像を作成できませんでした。";
// After the BMP filter: every format the system's codecs open, and PNG for saving.
constexpr char kPictureFilter[] =
    "画像ファイル |*.bmp;*.png;*.jpg;*.jpeg;*.gif;*.tif;*.tiff;*.ico|";
constexpr char kPngFilter[] = "PNG ファイル |*.png|";

// The slot shown is written as PNG or BMP, by the name's extension.
bool WriteShownPicture(TDaubWindow& window, const std::string& path) {
    PlatformMessageSink messages(window.GetPlatform(), window.Handle());
    PlatformPictureFormats formats(window.GetPlatform());
    return WritePictureFile(messages, formats, path, *window.doc.layerStack,
                            LayerStack::kDisplaySlot, 0);
}

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
        window.Handle(), {std::string("ビットマップファイル |*.bmp|") + kPictureFilter + "|", "bmp",
                          "*.bmp ", false});
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
    if (WriteShownPicture(window, doc.fileName)) doc.modified = 0;
}

// The name changes only with a picture written under it. The BMP entry of the filter has its
// pattern, or the PNG entry after it would pair up wrongly.
void SaveBitmapAsCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!doc.HasDocument()) return;
    const auto path = window.GetPlatform().AskFileName(
        window.Handle(),
        {std::string("ビットマップファイル |*.bmp|") + kPngFilter, "bmp", doc.fileName, true});
    if (!path) return;
    window.EndPendingOperation(0);
    if (WriteShownPicture(window, *path)) {
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
