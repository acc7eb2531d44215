#pragma once

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// The alpha-blend spray: every writable pixel of the w x h square around (cx, cy) becomes
// (colour * a + source * (255 - a)) >> 8 per channel, a being the strength cut to 0..255.
// The target pixel is computed from the source pixel at the same place.
void SprayBlend(LayerStack& stack, COLORREF colour, int sourceSlot, int cx, int cy, int w, int h,
                int strength, int targetSlot, int formatEntry);

}  // namespace daub
