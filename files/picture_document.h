#pragma once

#include <string>

#include "document/document_state.h"
#include "document/message_sink.h"

namespace daub {

// Opens the BMP file as a new document of one layer (StartDocument) and takes its path as the
// file name. A file that cannot be read costs the reader's message and changes nothing; when
// the work slots cannot be had after the read, the user is told and no document is left.
// Telling the windows is the caller's part.
bool OpenPictureDocument(MessageSink& messages, DocumentState& doc, const std::string& path);

}  // namespace daub
