#include "document/undo_history.h"

#include <algorithm>
#include <cstddef>

namespace daub {
namespace {

// Entries of undoRingFiles besides snapshot numbers (which are never negative).
constexpr int kFileUnknown = -1;     // not written since the history was reset
constexpr int kFileNotWritten = -2;  // the last write failed: whatever is on disk is stale

// Without adding depth to a remainder first: a depth near the int limit would overflow.
int RingIndex(const DocumentState& doc, int number) {
    const int depth = EffectiveUndoDepth(doc);
    const int r = number % depth;
    return r < 0 ? r + depth : r;
}

bool IsPaintingTool(ToolKind tool) {
    switch (tool) {
        case ToolKind::Eraser:
        case ToolKind::Fill:
        case ToolKind::Pen:
        case ToolKind::Brush:
        case ToolKind::Spray:
            return true;
        default:
            return false;
    }
}

}  // namespace

int EffectiveUndoDepth(const DocumentState& doc) {
    return std::max(doc.undoDepth, 1);
}

int EditedUndoId(const DocumentState& doc) {
    const int slot = doc.currentLayer;
    if (slot < 0 || slot >= static_cast<int>(doc.layerIds.size())) return -1;
    const int id = doc.layerIds[slot];
    const int ids = static_cast<int>(std::min(doc.undoPosition.size(), doc.undoTop.size()));
    return id >= 0 && id < ids ? id : -1;
}

int UndoPosition(const DocumentState& doc) {
    const int id = EditedUndoId(doc);
    return id < 0 ? 0 : doc.undoPosition[id];
}

int UndoTop(const DocumentState& doc) {
    const int id = EditedUndoId(doc);
    return id < 0 ? 0 : doc.undoTop[id];
}

std::string SnapshotFileName(const DocumentState& doc, int undoId, int number) {
    return doc.workDirectory + std::to_string(undoId) + "-" +
           std::to_string(RingIndex(doc, number)) + ".bmp";
}

bool SnapshotWanted(const DocumentState& doc, SnapshotKind kind) {
    switch (kind) {
        case SnapshotKind::Left:
            return IsPaintingTool(doc.leftTool);
        case SnapshotKind::Right:
            return IsPaintingTool(doc.rightTool);
        default:
            return true;
    }
}

bool CanUndo(const DocumentState& doc) {
    const int id = EditedUndoId(doc);
    const int p = UndoPosition(doc);
    return doc.HasDocument() && p > 0 && UndoTop(doc) - p < EffectiveUndoDepth(doc) - 1 &&
           !SnapshotFileKnownMissing(doc, id, p - 1);
}

bool CanRedo(const DocumentState& doc) {
    const int id = EditedUndoId(doc);
    const int p = UndoPosition(doc);
    return p < UndoTop(doc) && !SnapshotFileKnownMissing(doc, id, p + 1);
}

void ResetHistory(DocumentState& doc) {
    std::fill(doc.undoPosition.begin(), doc.undoPosition.end(), 0);
    std::fill(doc.undoTop.begin(), doc.undoTop.end(), 0);
    doc.undoRingFiles.clear();
}

void NoteSnapshotFile(DocumentState& doc, int undoId, int number, bool written) {
    if (undoId < 0 || number < 0) return;
    const auto id = static_cast<std::size_t>(undoId);
    if (doc.undoRingFiles.size() <= id) doc.undoRingFiles.resize(id + 1);
    std::vector<int>& ring = doc.undoRingFiles[id];
    const auto index = static_cast<std::size_t>(RingIndex(doc, number));
    if (ring.size() <= index) ring.resize(index + 1, kFileUnknown);
    ring[index] = written ? number : kFileNotWritten;
}

bool SnapshotFileKnownMissing(const DocumentState& doc, int undoId, int number) {
    if (undoId < 0 || number < 0) return true;
    const auto id = static_cast<std::size_t>(undoId);
    if (id >= doc.undoRingFiles.size()) return false;
    const std::vector<int>& ring = doc.undoRingFiles[id];
    const auto index = static_cast<std::size_t>(RingIndex(doc, number));
    if (index >= ring.size() || ring[index] == kFileUnknown) return false;
    return ring[index] != number;
}

}  // namespace daub
