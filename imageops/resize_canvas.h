#pragma once

#include "document/document_state.h"

namespace daub {

// Where the old picture lies in a canvas resized to newWidth x newHeight, as the offset of
// ResizeCanvas: centred (half the difference, truncated toward zero, so an odd column or row
// is cut or added on the right or at the bottom), or at the top-left corner.
Point ResizeOffset(int oldWidth, int oldHeight, int newWidth, int newHeight, bool centre);

// Gives the canvas the size newWidth x newHeight without scaling: new pixel (x, y) of the
// display, composite, scratch and mask slots and of every layer is old pixel
// (x + offsetX, y + offsetY), or transparentColour where that lies outside the old canvas;
// the range slot becomes an empty one of the new size. Afterwards the zoom is 1, the view at
// the origin, every undo history empty, nothing pending, and the picture counts as changed.
// Every new slot is made before any is replaced: false, with the document as it was, for a
// size no canvas can have (0 included) or when the memory cannot be had.
bool ResizeCanvas(DocumentState& doc, int offsetX, int offsetY, int newWidth, int newHeight);

}  // namespace daub
