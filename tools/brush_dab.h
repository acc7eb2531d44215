#pragma once

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// One soft-brush dab centred on (x, y): every writable pixel under a non-negative kernel
// weight K has each channel moved from the source's value toward the colour's by at most
// trunc(K), never past it. The result goes to the target (targetSlot -1: the source), computed
// from the source alone. Sizes above the 65-pixel kernel are refused.
void ApplyBrushDab(LayerStack& stack, COLORREF colour, int sourceSlot, int x, int y, int w, int h,
                   int targetSlot, int formatSlot);

}  // namespace daub
