#pragma once

#include "document/document_state.h"
#include "tools/tool_host.h"

namespace daub {

// A range's pixels from the time it is fixed to the time it is put down: copied into the
// range slot, lifted out of the edited layer, moved over the clean picture in the composite
// slot, and put down again.

// The range rectangle in canvas pixels, derived from selection at the current zoom and
// scroll: divided in floating point and truncated toward zero.
Rect RangeCanvasRect(const DocumentState& doc);

// The range slot becomes the edited layer's pixels under the selection (transparentColour
// where there are none). False, with the slot as it was, when the selection is empty in
// canvas pixels or a slot of that size cannot be made.
bool FillRangeSlot(DocumentState& doc);
// A selected range copied again from the edited layer as it is now.
void RefreshSelectedRange(DocumentState& doc);

// Lifts the selected range: snapshot, a hole of transparentColour in the edited layer, the
// other layers composited into the composite slot as the clean picture under it.
void LiftRange(DocumentState& doc, ToolHost& host);

// The floating range grabbed at grabOffset, moved with the pointer and redrawn.
void MoveFloatingRange(DocumentState& doc, ToolHost& host, Point view);
// The floating range drawn again over the clean picture, in the display only.
void RedrawFloatingRange(DocumentState& doc);

// The S key: the floating range goes back to where it was lifted.
void PutBackFloatingRange(DocumentState& doc, ToolHost& host);

// Puts the floating range down into the display and the edited layer where it floats.
void CommitFloatingRange(DocumentState& doc, ToolHost& host);

}  // namespace daub
