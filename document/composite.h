#pragma once

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// Passing this as the bottom slot starts at the first layer.
inline constexpr int kFromFirstLayer = -1;

// Lays the visible layers from bottomSlot up to topSlot onto the destination slot, in
// ascending order, over the format entry's width x height. The first layer copied goes down
// whole; on every later one a pixel of exactly the key colour is see-through. The
// destination is not cleared first, so with no visible layer it keeps what it had. The mask
// is off while this runs and restored afterwards. A slot without a bitmap of the entry's
// geometry is passed over; the destination, when it is one of the layers, keeps its own
// pixels as that layer's part.
void Composite(LayerStack& stack, COLORREF key, int topSlot, int bottomSlot, int destinationSlot,
               int formatEntry);

// One row of the keyed copy: the pixels of source that are not the key go to destination.
void CopyRowKeyed(std::uint8_t* destination, const std::uint8_t* source, int pixels, COLORREF key);

}  // namespace daub
