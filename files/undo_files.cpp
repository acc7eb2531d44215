#include "files/undo_files.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "files/bmp_file_header.h"
#include "files/bmp_pixels.h"
#include "files/bmp_writer.h"
#include "files/file_path.h"

namespace daub {
namespace {

constexpr int kCanvasFormat = 0;

// The file holds exactly what the writer puts out for the present canvas: a stale file of
// another size or a stranger's file would otherwise be poured into the layer byte for byte.
bool FitsCanvas(const std::string& path, const LayerStack& stack) {
    const int width = stack.Width(kCanvasFormat);
    const int height = stack.Height(kCanvasFormat);
    const auto expected = MakeBmpFileHeader(width, height);
    const std::uintmax_t wantedLength =
        expected.size() + static_cast<std::uintmax_t>(stack.Stride(kCanvasFormat)) *
                              static_cast<std::uintmax_t>(height);
    std::error_code ec;
    const std::uintmax_t length = std::filesystem::file_size(PathFromUtf8(path), ec);
    if (ec || length < wantedLength) return false;
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    std::array<std::uint8_t, kBmpWrittenHeaderSize> header{};
    in.read(reinterpret_cast<char*>(header.data()), header.size());
    return in.gcount() == static_cast<std::streamsize>(header.size()) && header == expected;
}

enum class Restore { Refused, Done, CutShort };

// Reads snapshot `number` into the edited layer when the history wrote its file for this
// canvas; a file found unfit is remembered, so the menu stops offering that step.
Restore RestoreSnapshot(DocumentState& doc, int id, int number) {
    LayerStack& stack = *doc.layerStack;
    const std::string path = SnapshotFileName(doc, id, number);
    if (SnapshotFileKnownMissing(doc, id, number) || !FitsCanvas(path, stack)) {
        NoteSnapshotFile(doc, id, number, false);
        return Restore::Refused;
    }
    // Only a file shrinking between the check and the read cuts it short; the layer then
    // holds part of it, which the window must still show.
    return ReadBitmapPixels(path, stack, doc.currentLayer, kCanvasFormat) ? Restore::Done
                                                                          : Restore::CutShort;
}

// The window ends any pending operation first; a range still floating would otherwise be
// lost under the restored layer.
bool ReadyToStep(const DocumentState& doc) {
    return doc.layerStack && doc.pendingOp == pending::kNone;
}

}  // namespace

bool Snapshot(DocumentState& doc, SnapshotKind kind, MessageSink& messages) {
    const int id = EditedUndoId(doc);
    if (!SnapshotWanted(doc, kind) || id < 0 || !doc.HasDocument() || !doc.layerStack) return false;
    const int number = doc.undoPosition[id];
    const bool written = WriteBitmapFile(messages, SnapshotFileName(doc, id, number),
                                         *doc.layerStack, doc.currentLayer, kCanvasFormat);
    NoteSnapshotFile(doc, id, number, written);
    doc.undoPosition[id] = doc.undoTop[id] = number + 1;
    doc.modified = 1;
    return true;
}

bool Undo(DocumentState& doc, MessageSink& messages) {
    if (!CanUndo(doc) || !ReadyToStep(doc)) return false;
    const int id = EditedUndoId(doc);
    const int position = doc.undoPosition[id];
    if (position == doc.undoTop[id]) {
        // The present state has no file yet. Going back without one would lose it for good.
        const bool written = WriteBitmapFile(messages, SnapshotFileName(doc, id, position),
                                             *doc.layerStack, doc.currentLayer, kCanvasFormat);
        NoteSnapshotFile(doc, id, position, written);
        if (!written) return false;
    }
    const Restore restored = RestoreSnapshot(doc, id, position - 1);
    if (restored == Restore::Done) doc.undoPosition[id] = position - 1;
    return restored != Restore::Refused;
}

bool Redo(DocumentState& doc) {
    if (!CanRedo(doc) || !ReadyToStep(doc)) return false;
    const int id = EditedUndoId(doc);
    const int position = doc.undoPosition[id];
    const Restore restored = RestoreSnapshot(doc, id, position + 1);
    if (restored == Restore::Done) doc.undoPosition[id] = position + 1;
    return restored != Restore::Refused;
}

}  // namespace daub
