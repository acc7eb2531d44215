#pragma once

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// Every pixel of the slot becomes the colour; the mask is not consulted.
void FillSlot(LayerStack& stack, COLORREF colour, int slot, int formatSlot);

// The w x h rectangle at (x, y) becomes the colour, mask ignored. The start is clamped into
// the image, negative sizes count as 0, and whatever then lies outside the image is left out.
void FillSlotRect(LayerStack& stack, COLORREF colour, int slot, int x, int y, int w, int h,
                  int formatSlot);

}  // namespace daub
