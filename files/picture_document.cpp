#include "files/picture_document.h"

#include <memory>
#include <utility>

#include "files/bmp_messages.h"
#include "files/bmp_reader.h"

namespace daub {

bool OpenPictureDocument(MessageSink& messages, DocumentState& doc, const std::string& path) {
    if (!doc.layerStack) return false;
    std::unique_ptr<SlotBitmap> picture = ReadBitmapPicture(messages, path);
    if (!picture) return false;
    LayerStack& stack = *doc.layerStack;
    stack.DefineFormat(0, picture->width, picture->height);
    stack.InstallBitmap(LayerStack::kDisplaySlot, std::move(picture));
    if (!StartDocument(doc)) {
        messages.Report(kBmpNoMemoryText, kBmpErrorCaption, true);
        return false;
    }
    doc.fileName = path;
    return true;
}

}  // namespace daub
