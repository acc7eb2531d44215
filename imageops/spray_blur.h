#pragma once

#include <span>

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// The blur spray: every writable pixel of the w x h square around (cx, cy) becomes, per
// channel, the truncated mean of the source pixels within r = max(strength >> 1, 1) of it
// in both directions that lie inside the image and are not of the excluded colour; a pixel
// with no such neighbour stays as it is. The mask limits the writes, never the average.
// The result is computed from the source as it was before the call, also when the target is
// the source itself. The work does not grow with the strength.
void SprayBlur(LayerStack& stack, COLORREF excludedColour, int sourceSlot, int cx, int cy, int w,
               int h, int strength, int targetSlot, int formatEntry);

// The same blur written into several targets in one pass (targets without pixels are
// skipped), for callers that keep a layer and the display alike.
void SprayBlurInto(LayerStack& stack, COLORREF excludedColour, int sourceSlot, int cx, int cy,
                   int w, int h, int strength, std::span<const int> targetSlots, int formatEntry);

// CopyBitmap(save, source), then SprayBlurInto from the save slot over the whole image; the
// two in one pass where the slots allow, each source row saved as the blur first reads it,
// so the picture passes through memory once.
void BlurWholeSaving(LayerStack& stack, COLORREF excludedColour, int sourceSlot, int saveSlot,
                     int strength, std::span<const int> targetSlots, int formatEntry);

}  // namespace daub
