#pragma once

#include "document/document_state.h"
#include "document/message_sink.h"
#include "document/undo_history.h"

namespace daub {

// The snapshot files of the edited layer's undo history (document/undo_history.h).
//
// A change calls Snapshot before it touches the edited layer. The undo command runs
//     if (CanUndo(doc)) { EndPendingOperation(0); if (Undo(doc, messages)) composite, repaint; }
// and redo the same with CanRedo and Redo: a floating range is committed into the layer first,
// so that undo saves it for redo and then goes back past it.

// Writes the edited layer to the file of snapshot P, then P := P + 1, T := P, modified := 1.
// Kinds Left and Right do nothing unless that button's tool paints. A file that cannot be
// written is reported by the writer's message; the counters still advance (the change goes
// ahead) but undo will stop at that step. Returns whether a snapshot was taken.
bool Snapshot(DocumentState& doc, SnapshotKind kind, MessageSink& messages);

// One step back: the present state is saved for redo when it has no file yet (P = T), then
// snapshot P - 1 is read into the edited layer and P := P - 1. Returns whether the layer
// changed. Refused, with layer and counters untouched, when CanUndo is false, while an
// operation is still pending, when the present state cannot be saved, or when the file of
// P - 1 is not the one this history wrote for the present canvas (missing, not written,
// overwritten, or of another size).
bool Undo(DocumentState& doc, MessageSink& messages);

// One step forward to snapshot P + 1, refused the same way. Returns whether the layer changed.
bool Redo(DocumentState& doc);

}  // namespace daub
