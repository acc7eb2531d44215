#pragma once

#include <string>

#include "document/layer_stack.h"

namespace daub {

// Overwrites the slot's pixel memory with the stride x height bytes that follow the 54-byte
// header of a file this program wrote for the same format entry (an undo snapshot). The
// headers are not looked at. A shorter file overwrites only the bytes it has. Nothing happens
// without a path, when the file cannot be opened, or when the slot does not have the entry's
// size. Returns true only when every byte was read.
bool ReadBitmapPixels(const std::string& path, LayerStack& stack, int slot, int formatEntry);

}  // namespace daub
