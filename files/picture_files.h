#pragma once

#include <memory>
#include <string>

#include "document/layer_stack.h"
#include "document/message_sink.h"
#include "files/picture_formats.h"

namespace daub {

// Whether the file name's extension is ".png", in any case: such a name is saved as PNG.
bool NamesPngFile(const std::string& path);

// The picture of the file at path as ReadBitmapPicture gives it. A file that begins as a PNG,
// JPEG, GIF, TIFF or ICO file does goes through the formats, the rest through the program's
// own BMP reader; a refusal tells the user why with the BMP reader's texts.
std::unique_ptr<SlotBitmap> ReadPicture(MessageSink& messages, PictureFormats& formats,
                                        const std::string& path, LayerStack* spareOf = nullptr);

// Writes the slot as a PNG file when the name ends ".png", as a BMP file otherwise, with
// WriteBitmapFile's messages and its care for the file that was there.
bool WritePictureFile(MessageSink& messages, PictureFormats& formats, const std::string& path,
                      const LayerStack& stack, int slot, int formatEntry);

}  // namespace daub
