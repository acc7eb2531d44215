#pragma once

#include <memory>

#include "document/document_state.h"

namespace daub {

// The changes of the layer window to the stack of layers (slots firstLayer ... lastLayer).
// Each keeps the edited layer shown: it is the one the tools paint into, on screen as well.

// Whether one more layer fits: the layers end one slot before the last, and a stack of 100
// slots or more takes none beyond the first.
bool HasRoomForLayer(const DocumentState& doc);

// A new canvas-sized layer filled with the transparent colour. Null when the memory cannot be
// had or there is no canvas.
std::unique_ptr<SlotBitmap> MakeEmptyLayer(const DocumentState& doc);

// The canvas-sized bitmap becomes the top layer, shown, with an undo id of its own. False,
// with nothing changed, when there is no room or the bitmap is not of the canvas's size.
bool PushLayer(DocumentState& doc, std::unique_ptr<SlotBitmap> layer);

// Removes the edited layer; those above move down one slot, each with its visibility and undo
// id, and the one that comes into the edited slot is edited next (the one below, when the top
// layer went). False, with nothing changed, when it is the only layer.
bool DeleteEditedLayer(DocumentState& doc);

// The two layers trade slots with their visibility and undo ids, so that each one's undo files
// follow its picture. The edited slot stays the edited one. False for a slot that is not a
// layer.
bool ExchangeLayers(DocumentState& doc, int a, int b);

// Shows or hides the layer in the composite; the edited layer is always shown. False for a
// slot that is not a layer.
bool ShowLayer(DocumentState& doc, int slot, bool shown);

// Makes the layer the edited one, and shows it. False for a slot that is not a layer.
bool SelectLayer(DocumentState& doc, int slot);

}  // namespace daub
