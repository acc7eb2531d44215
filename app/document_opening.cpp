#include "app/document_opening.h"

#include "app/app_name.h"
#include "app/main_window.h"
#include "app/platform_message_sink.h"
#include "app/platform_picture_formats.h"
#include "files/file_messages.h"
#include "files/layer_from_file.h"
#include "files/layer_set_files.h"
#include "files/picture_files.h"
#include "platform/message_box.h"
#include "platform/platform.h"

namespace daub {
namespace {

constexpr char kReplaceQuestion[] = "画像が変更されています。新しいファイルを読み込みますか？";
constexpr char kNoMemory[] = "メモリが足りないため、画像を開けませんでした。";

void TellNoMemory(TDaubWindow& window) {
    window.GetPlatform().ShowMessageBox(window.Handle(), kNoMemory, "エラー",
                                        mb::kOk | mb::kIconError);
}

}  // namespace

bool AskToReplace(TDaubWindow& window) {
    return window.AskToDiscard(kReplaceQuestion, "注意");
}

// The picture is read whole before anything of the document is touched.
bool OpenBitmapDocument(TDaubWindow& window, const std::string& path) {
    PlatformMessageSink messages(window.GetPlatform(), window.Handle());
    PlatformPictureFormats formats(window.GetPlatform());
    // Into the stack's spare memory when the size fits: a picture opened again at the size
    // of the last one pays no fresh pages.
    std::unique_ptr<SlotBitmap> picture =
        ReadPicture(messages, formats, path, window.doc.layerStack.get());
    if (!picture) return false;
    if (!StartDocumentWith(window.doc, std::move(picture))) {
        TellNoMemory(window);
        return false;
    }
    window.doc.fileName = path;
    window.ShowNewDocument();
    return true;
}

void OpenLayerFile(TDaubWindow& window, const std::string& path) {
    RecordRecent(window, RecordKind::LayerFile, path);
    PlatformMessageSink messages(window.GetPlatform(), window.Handle());
    std::optional<LayerSet> set = ReadLayerSet(messages, path, window.doc, kAppName);
    if (!set) return;
    const bool adopted = AdoptLayerSet(window.doc, std::move(*set));
    if (!adopted) TellNoMemory(window);
    window.ShowNewDocument();
}

void OpenDroppedFiles(TDaubWindow& window, const std::vector<std::string>& paths) {
    if (paths.empty() || !AskToReplace(window)) return;
    window.EndPendingOperation(0);
    std::size_t next = 0;
    while (next < paths.size() && !OpenBitmapDocument(window, paths[next]))
        ++next;
    if (next == paths.size()) return;
    RecordRecent(window, RecordKind::Bitmap, paths[next]);
    DocumentState& doc = window.doc;
    PlatformMessageSink messages(window.GetPlatform(), window.Handle());
    PlatformPictureFormats formats(window.GetPlatform());
    for (++next; next < paths.size(); ++next) {
        const LayerFromFile added = AddLayerFromFile(messages, formats, doc, paths[next]);
        if (added == LayerFromFile::kFull) {
            window.GetPlatform().ShowMessageBox(window.Handle(), kLayerLimitText, kAppName,
                                                mb::kOk);
            break;
        }
    }
    window.CompositeDocument();
    window.ShowLayerList();
    window.Repaint();
}

void RecordRecent(TDaubWindow& window, RecordKind kind, const std::string& path) {
    Configuration& c = window.configuration;
    const RecentRebuild rebuild = RecordRecentFile(c.recentBitmaps, c.recentLayerFiles, kind, path);
    Platform& platform = window.GetPlatform();
    if (rebuild.bitmaps) {
        c.recentBitmaps = ValidRecentEntries(c.recentBitmaps);
        RebuildRecentMenu(platform, window.menu, RecentKind::Bitmaps, c.recentBitmaps);
    }
    if (rebuild.layerFiles) {
        c.recentLayerFiles = ValidRecentEntries(c.recentLayerFiles);
        RebuildRecentMenu(platform, window.menu, RecentKind::LayerFiles, c.recentLayerFiles);
    }
}

}  // namespace daub
