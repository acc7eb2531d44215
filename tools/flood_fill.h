#pragma once

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// Paints the 4-connected region of the reference's colour at (x, y) with the colour, in both
// the target and the reference slot (referenceSlot -1: the display slot). The geometry is the
// display slot's format; the mask is not consulted (callers apply it afterwards).
void FloodFill(LayerStack& stack, COLORREF colour, int x, int y, int targetSlot, int referenceSlot);

}  // namespace daub
