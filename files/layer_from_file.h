#pragma once

#include <string>

#include "document/document_state.h"
#include "document/message_sink.h"
#include "files/picture_formats.h"

namespace daub {

enum class LayerFromFile {
    kAdded,
    kFull,     // the stack had no room; the file was not read and nobody was told
    kRefused,  // the file or the memory for it could not be had; the user was told why
};

// Puts the picture file's picture (as ReadPicture reads it) on top of the document as a new layer,
// shown, with an undo id of its own: anchored at the top-left corner, cut at the canvas edges, the
// rest transparent. Nothing changes unless it was added. A full stack is the caller's to report,
// once for a whole drop, under the application's name ("レイヤーの数は最大です。").
LayerFromFile AddLayerFromFile(MessageSink& messages, PictureFormats& formats, DocumentState& doc,
                               const std::string& path);

}  // namespace daub
