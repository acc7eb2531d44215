#pragma once

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// A w x h StampBlock (format entry 0) at every point of the ellipse outline around (cx, cy):
// the midpoint circle of the larger radius, the other axis scaled by the smaller radius over
// the larger in integer division. Nothing is drawn when either radius is 0.
void DrawEllipse(LayerStack& stack, COLORREF colour, int cx, int cy, int rx, int ry, int w, int h,
                 int targetSlot, int sourceSlot);

}  // namespace daub
