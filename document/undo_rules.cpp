#include "document/undo_rules.h"

namespace daub {
namespace {

// The undo id of the edited layer, or -1 when the arrays do not reach it.
int EditedUndoId(const DocumentState& doc) {
    const int slot = doc.currentLayer;
    if (slot < 0 || slot >= static_cast<int>(doc.layerIds.size())) return -1;
    const int id = doc.layerIds[slot];
    return id >= 0 && id < static_cast<int>(doc.undoPosition.size()) ? id : -1;
}

}  // namespace

int UndoPosition(const DocumentState& doc) {
    const int id = EditedUndoId(doc);
    return id < 0 ? 0 : doc.undoPosition[id];
}

int UndoTop(const DocumentState& doc) {
    const int id = EditedUndoId(doc);
    return id < 0 ? 0 : doc.undoTop[id];
}

bool CanUndo(const DocumentState& doc) {
    const int p = UndoPosition(doc);
    return p > 0 && UndoTop(doc) - p < doc.undoDepth - 1 && doc.HasDocument();
}

bool CanRedo(const DocumentState& doc) {
    return UndoPosition(doc) < UndoTop(doc);
}

}  // namespace daub
