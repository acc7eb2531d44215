#pragma once

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// A w x h StampBlock (format entry 0) at every point of the Bresenham line between the two
// end points, both included. The walk always starts from the end with the smaller coordinate
// on the major axis, so a line and its reverse give the same pixels.
void DrawLine(LayerStack& stack, COLORREF colour, int x0, int y0, int x1, int y1, int w, int h,
              int targetSlot, int sourceSlot);

}  // namespace daub
