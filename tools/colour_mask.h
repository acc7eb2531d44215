#pragma once

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// The colour of pixel (x, y) of the slot, seen through the format entry; 0 when the pixel is
// outside the image or the slot has no pixels or no matching format.
COLORREF PickColour(const LayerStack& stack, int x, int y, int slot, int formatSlot);

// Makes the mask slot white where the slot's pixel equals the colour exactly and black
// elsewhere, whatever mask there was; then switches the mask on.
void BuildMask(LayerStack& stack, COLORREF colour, int slot, int formatSlot);

// Every writable pixel whose reference pixel lies in [find, find + range) on each channel
// becomes newColour in the target (targetSlot -1: the reference itself).
void ReplaceColour(LayerStack& stack, COLORREF find, COLORREF newColour, int referenceSlot,
                   int targetSlot, int redRange, int greenRange, int blueRange, int formatSlot);

}  // namespace daub
