#pragma once

#include "document/document_state.h"

namespace daub {

// The pixel work of the whole-picture blur: the picture as shown is saved into the
// composite slot and blurred from there into the current layer and the display alike,
// with sprayStrength as strength and drawColour left out of every average; the mask limits
// the writes. The caller ends pending work, takes the undo snapshot before, and repaints.
// Without a document nothing changes.
void BlurPicture(DocumentState& doc);

}  // namespace daub
