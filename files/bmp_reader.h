#pragma once

#include <memory>
#include <string>

#include "document/layer_stack.h"
#include "document/message_sink.h"

namespace daub {

// Reads a BMP file into the slot as a new 24-bit bitmap and redefines the format entry for
// its size. Returns the new bitmap, or null after telling the user why (caption "error",
// owned by the window); slot and format entry are then exactly as they were.
BitmapHandle ReadBitmapFile(MessageSink& messages, LayerStack& stack, const std::string& path,
                            int slot, int formatEntry);

// The picture of a BMP file as a 24-bit bitmap of its own size that belongs to no slot, for a
// caller that must not touch the document until everything has been read. Null after telling
// the user why, as ReadBitmapFile does.
std::unique_ptr<SlotBitmap> ReadBitmapPicture(MessageSink& messages, const std::string& path);
// The same, into the stack's spare memory when its size fits (no slot is touched).
std::unique_ptr<SlotBitmap> ReadBitmapPicture(MessageSink& messages, LayerStack& stack,
                                              const std::string& path);

}  // namespace daub
