#pragma once

#include <string>

#include "document/layer_stack.h"
#include "document/message_sink.h"

namespace daub {

// Writes the slot as a 24-bit BMP file: the 54-byte header for the format entry's size, then
// the slot's pixel memory as it stands, row padding included. Without a path, a format record
// or pixel memory it does nothing and says nothing. Any other failure (the file cannot be
// created, written or closed, or the slot does not have the entry's size) shows
// "保存に失敗しました。" (caption "error", no owner window), leaves any file that was at the
// path as it was, and returns false.
bool WriteBitmapFile(MessageSink& messages, const std::string& path, const LayerStack& stack,
                     int slot, int formatEntry);

}  // namespace daub
