#pragma once

#include <string>

#include "document/layer_stack.h"
#include "document/message_sink.h"

namespace daub {

// Reads a BMP file into the slot as a new 24-bit bitmap and redefines the format entry for
// its size. Returns the new bitmap, or null after telling the user why (caption "error",
// owned by the window); slot and format entry are then exactly as they were.
BitmapHandle ReadBitmapFile(MessageSink& messages, LayerStack& stack, const std::string& path,
                            int slot, int formatEntry);

}  // namespace daub
