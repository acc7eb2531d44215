#pragma once

#include "document/layer_stack.h"

namespace daub {

inline constexpr int kMirrorHorizontal = 0;  // left and right change places
inline constexpr int kMirrorVertical = 1;    // top and bottom change places

// Mirrors the slot in place; the mask is not consulted, and any other direction changes
// nothing.
void MirrorSlot(LayerStack& stack, int slot, int direction, int formatSlot);

}  // namespace daub
