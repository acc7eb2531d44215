#include "files/layer_from_file.h"

#include <memory>
#include <utility>

#include "document/layer_edits.h"
#include "document/slot_view.h"
#include "files/bmp_messages.h"
#include "files/picture_files.h"

namespace daub {
namespace {

// The picture as a canvas-sized layer; null when the memory cannot be had.
std::unique_ptr<SlotBitmap> OnCanvas(const DocumentState& doc,
                                     std::unique_ptr<SlotBitmap> picture) {
    const LayerStack& stack = *doc.layerStack;
    if (picture->width == stack.Width(0) && picture->height == stack.Height(0)) return picture;
    std::unique_ptr<SlotBitmap> layer = MakeEmptyLayer(doc);
    LayerStack::CopyBitmap(layer.get(), picture.get());
    return layer;
}

}  // namespace

// The picture is read beside the document, not into the range slot, so that a refusal at
// any step leaves every slot as it was.
LayerFromFile AddLayerFromFile(MessageSink& messages, PictureFormats& formats, DocumentState& doc,
                               const std::string& path) {
    if (!HasRoomForLayer(doc)) return LayerFromFile::kFull;
    std::unique_ptr<SlotBitmap> picture = ReadPicture(messages, formats, path);
    if (!picture) return LayerFromFile::kRefused;
    std::unique_ptr<SlotBitmap> layer = OnCanvas(doc, std::move(picture));
    if (!layer) {
        messages.Report(kBmpNoMemoryText, kBmpErrorCaption, true);
        return LayerFromFile::kRefused;
    }
    return PushLayer(doc, std::move(layer)) ? LayerFromFile::kAdded : LayerFromFile::kRefused;
}

}  // namespace daub
