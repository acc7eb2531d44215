#pragma once

#include "document/document_state.h"

namespace daub {

// The edited layer's undo counters: position P and top T of its snapshot ring.
int UndoPosition(const DocumentState& doc);
int UndoTop(const DocumentState& doc);

// Undo needs a snapshot behind the position that the ring of undoDepth files still holds.
bool CanUndo(const DocumentState& doc);
bool CanRedo(const DocumentState& doc);

}  // namespace daub
