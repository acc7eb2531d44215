#pragma once

#include "document/colour.h"
#include "document/layer_stack.h"
#include "imageops/noise_generator.h"

namespace daub {

// The noise spray: every writable pixel of the w x h square around (cx, cy), in row order,
// draws one value v and becomes the colour brightened by (v mod f) - (f >> 1) in all three
// channels, cut to 0..255, f being the strength (0 counts as 1). Pixels that are not
// writable draw nothing. The source is not read; it is taken for the same calling shape as
// the other sprays and must still have pixels, as the target must.
void SprayNoise(LayerStack& stack, NoiseGenerator& noise, COLORREF colour, int sourceSlot, int cx,
                int cy, int w, int h, int strength, int targetSlot, int formatEntry);

}  // namespace daub
