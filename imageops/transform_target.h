#pragma once

#include <functional>

#include "document/document_state.h"

namespace daub {

// A change of one slot in place, seen through a format entry; false when it could not be made
// (the slot is then unchanged).
using SlotChange = std::function<bool(LayerStack& stack, int slot, int formatEntry)>;

// The range slot changed with its own format entry; the range then floats where it was, over
// the clean picture. A fixed range floats over the picture as it is, its pixels still in the
// layer beneath. The caller takes the snapshot before and repaints after.
bool TransformRange(DocumentState& doc, const SlotChange& change);

// The edited layer changed with the canvas format, and the layers composited into the display.
bool TransformLayer(DocumentState& doc, const SlotChange& change);

}  // namespace daub
