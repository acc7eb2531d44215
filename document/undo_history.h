#pragma once

#include <string>

#include "document/document_state.h"

namespace daub {

// Every layer keeps its own undo history as a ring of undoDepth snapshot files in the work
// directory. Snapshot number k lives in the file of number k mod depth, so k and k + depth
// share a file. For the edited layer, position P is the number of the snapshot that matches
// its present state and top T the highest number redo can reach; 0 <= P <= T.
// The functions that write and read the files are in files/undo_files.h.

// What a change asks for before it touches the edited layer.
enum class SnapshotKind : int {
    Left = 0,      // the left button's tool, if it is one that paints
    Right = 1,     // the right button's tool, likewise
    Always = 2,    // completed shapes and curves, transforms, blur
    Range = 1103,  // pasting, moving and deleting a range
};

// The ring has at least one file, whatever the configuration says.
int EffectiveUndoDepth(const DocumentState& doc);

// The undo id of the edited layer, or -1 when the arrays do not reach it.
int EditedUndoId(const DocumentState& doc);

// The edited layer's counters P and T (0 when it has no undo id).
int UndoPosition(const DocumentState& doc);
int UndoTop(const DocumentState& doc);

// workDirectory (taken as it is, ending in a separator) + "<id>-<number mod depth>.bmp".
std::string SnapshotFileName(const DocumentState& doc, int undoId, int number);

// Whether a change of this kind is recorded: a button's kind only when its tool paints
// (Eraser, Fill, Pen, Brush, Spray).
bool SnapshotWanted(const DocumentState& doc, SnapshotKind kind);

// The menu's enable rules. Undo needs a snapshot behind P that the ring still holds, redo one
// ahead of it; a step whose file is known not to hold that snapshot (its write failed or a
// later turn of the ring overwrote it) cannot be taken.
bool CanUndo(const DocumentState& doc);
bool CanRedo(const DocumentState& doc);

// Every ring starts empty: both counters of every id back to 0, nothing known of any file.
void ResetHistory(DocumentState& doc);

// What the history knows of the ring file that holds snapshot `number` of the id.
// NoteSnapshotFile records the outcome of writing it; SnapshotFileKnownMissing is true when
// that file is known to hold something else or nothing usable.
void NoteSnapshotFile(DocumentState& doc, int undoId, int number, bool written);
bool SnapshotFileKnownMissing(const DocumentState& doc, int undoId, int number);

}  // namespace daub
