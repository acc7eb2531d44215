#pragma once

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// The key colour that matches no pixel: CopyRectKeyed then copies every pixel.
inline constexpr COLORREF kNoKeyColour = 0xFFFFFFFF;

// Copies every writable pixel (bounds of format entry 0, and the mask) of the format slot's
// size from source to target.
void CopySlotMasked(LayerStack& stack, int targetSlot, int sourceSlot, int formatSlot);

// Copies the width x height rectangle at (sourceX, sourceY) of the source to (targetX, targetY)
// of the target, each slot seen through its own format entry; a size of -1 means the smaller
// of the two slots' sizes. Pixels outside either slot are left out, as are source pixels equal
// to the key colour (kNoKeyColour: none). The mask counts only when useMask is non-zero.
void CopyRectKeyed(LayerStack& stack, COLORREF key, int targetSlot, int targetX, int targetY,
                   int width, int height, int sourceSlot, int sourceX, int sourceY,
                   int targetFormat, int sourceFormat, int useMask);

}  // namespace daub
