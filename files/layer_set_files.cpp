#include "files/layer_set_files.h"

#include <filesystem>
#include <utility>

#include "document/composite.h"
#include "document/slot_view.h"
#include "files/bmp_messages.h"
#include "files/bmp_reader.h"
#include "files/bmp_writer.h"
#include "files/file_messages.h"
#include "files/file_path.h"
#include "files/layer_definition_file.h"

namespace daub {
namespace {

// StartDocument makes these: the composite, scratch, mask and range slots and the first layer.
constexpr int kSlotsOfANewDocument = 5;
// Beyond this slot count the layer window adds no layer, and neither does a definition file.
constexpr int kSlotCountWithoutAddedLayers = 100;

std::size_t FileNameStart(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

bool SaveFailed(MessageSink& messages) {
    messages.Report(kBmpSaveFailedText, kBmpErrorCaption, false);
    return false;
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return IsUsablePath(path) && std::filesystem::exists(PathFromUtf8(path), ec);
}

// The listed path, or the file of the same name beside the definition file when only that one
// is there.
std::string LocatePicture(const std::string& listed, const std::string& definitionPath) {
    if (Exists(listed)) return listed;
    const std::string name = listed.substr(FileNameStart(listed));
    const std::string beside = definitionPath.substr(0, FileNameStart(definitionPath)) + name;
    return !name.empty() && Exists(beside) ? beside : listed;
}

// The picture as a canvas-sized layer: anchored at the top-left corner, cut at the canvas
// edges, the rest transparent. Null when the memory cannot be had.
std::unique_ptr<SlotBitmap> OnCanvas(std::unique_ptr<SlotBitmap> picture, const SlotBitmap& canvas,
                                     COLORREF transparent) {
    if (picture->width == canvas.width && picture->height == canvas.height) return picture;
    std::unique_ptr<SlotBitmap> layer =
        LayerStack::MakeBitmap(MakeSlotFormat(canvas.width, canvas.height));
    if (!layer) return nullptr;
    FillBitmap(layer.get(), transparent);
    LayerStack::CopyBitmap(layer.get(), picture.get());
    return layer;
}

// Reads the listed pictures into the set. False when memory ran out.
bool ReadPictures(MessageSink& messages, const LayerDefinition& definition,
                  const std::string& definitionPath, const DocumentState& doc,
                  const std::string& limitCaption, LayerSet& set) {
    const auto wanted = static_cast<std::size_t>(definition.count);
    const auto capacity = static_cast<std::size_t>(LayerCapacity(doc.slotCount));
    for (const std::string& listed : definition.paths) {
        if (set.layers.size() == wanted) break;
        if (set.layers.size() == capacity) {
            messages.Report(kLayerLimitText, limitCaption, true);
            break;
        }
        const std::string path = LocatePicture(listed, definitionPath);
        std::unique_ptr<SlotBitmap> picture = ReadBitmapPicture(messages, path);
        if (!picture) continue;
        if (set.layers.empty()) {
            set.fileName = path;
            set.layers.push_back(std::move(picture));
            continue;
        }
        set.layers.push_back(
            OnCanvas(std::move(picture), *set.layers.front(), doc.transparentColour));
        if (!set.layers.back()) return false;
    }
    return true;
}

bool ReserveWorkSlots(LayerSet& set) {
    const SlotBitmap& canvas = *set.layers.front();
    const SlotFormat format = MakeSlotFormat(canvas.width, canvas.height);
    for (int i = 0; i < kSlotsOfANewDocument; ++i) {
        set.reserve.push_back(LayerStack::MakeBitmap(format, false));
        if (!set.reserve.back()) return false;
    }
    return true;
}

}  // namespace

std::string LayerFileBase(const std::string& definitionPath) {
    const std::size_t dot = definitionPath.rfind('.');
    if (dot == std::string::npos || dot < FileNameStart(definitionPath)) return definitionPath;
    return definitionPath.substr(0, dot);
}

std::string LayerPictureName(const std::string& base, int k) {
    return base + "[" + std::to_string(k) + "].bmp";
}

bool SaveLayerSet(MessageSink& messages, const std::string& definitionPath, const LayerStack& stack,
                  int lastLayer) {
    const std::string base = LayerFileBase(definitionPath);
    std::vector<std::string> names;
    for (int slot = LayerStack::kFirstLayer; slot <= lastLayer; ++slot)
        names.push_back(LayerPictureName(base, slot - LayerStack::kFirstLayer));
    // The writer is silent about a slot without pixels, and a name the definition file could
    // not hold would list another file: both are refused here, before anything is written.
    if (names.empty() || !IsUsablePath(definitionPath) || !FormatLayerDefinition(names))
        return SaveFailed(messages);
    for (int slot = LayerStack::kFirstLayer; slot <= lastLayer; ++slot)
        if (!ViewOf(stack, slot, 0)) return SaveFailed(messages);
    for (std::size_t k = 0; k < names.size(); ++k) {
        const int slot = LayerStack::kFirstLayer + static_cast<int>(k);
        if (!WriteBitmapFile(messages, names[k], stack, slot, 0)) return false;
    }
    if (!WriteLayerDefinitionFile(definitionPath, names)) return SaveFailed(messages);
    return true;
}

int LayerCapacity(int slotCount) {
    const int slotsAfterLastLayer = 1;
    if (slotCount < LayerStack::kFirstLayer + 1 + slotsAfterLastLayer) return 0;
    if (slotCount >= kSlotCountWithoutAddedLayers) return 1;
    return slotCount - LayerStack::kFirstLayer - slotsAfterLastLayer;
}

std::optional<LayerSet> ReadLayerSet(MessageSink& messages, const std::string& definitionPath,
                                     const DocumentState& doc, const std::string& limitCaption) {
    const std::optional<LayerDefinition> definition = ReadLayerDefinitionFile(definitionPath);
    if (!definition) {
        messages.Report(kFileReadFailedText, kFileErrorCaption, true);
        return std::nullopt;
    }
    LayerSet set;
    const bool read = ReadPictures(messages, *definition, definitionPath, doc, limitCaption, set);
    if (set.layers.empty()) return std::nullopt;
    if (!read || !ReserveWorkSlots(set)) {
        messages.Report(kBmpNoMemoryText, kBmpErrorCaption, true);
        return std::nullopt;
    }
    return set;
}

namespace {

void DeleteSlotsFrom(LayerStack& stack, int first) {
    for (int slot = first; slot < stack.SlotCount(); ++slot) {
        stack.DeleteSlotBitmap(slot);
        stack.visible[slot] = 0;
    }
}

}  // namespace

bool AdoptLayerSet(DocumentState& doc, LayerSet set) {
    if (!doc.layerStack || set.layers.empty()) return false;
    LayerStack& stack = *doc.layerStack;
    // The old layers go first, and the reserve, so that their memory is there for the new
    // document; work slots that already have the new size are used again, untouched pages
    // being far dearer than a fill.
    DeleteSlotsFrom(stack, LayerStack::kFirstLayer + 1);
    set.reserve.clear();
    if (!StartDocumentWith(doc, std::move(set.layers.front()))) {
        DeleteSlotsFrom(stack, 0);
        doc.documentBitmap = nullptr;
        return false;
    }
    for (std::size_t k = 1; k < set.layers.size() && doc.lastLayer + 2 < stack.SlotCount(); ++k) {
        ++doc.lastLayer;
        stack.InstallBitmap(doc.lastLayer, std::move(set.layers[k]));
        stack.visible[doc.lastLayer] = 1;
        doc.layerIds[doc.lastLayer] = AllocateLayerId(doc);
    }
    doc.fileName = set.fileName;
    Composite(stack, doc.transparentColour, doc.lastLayer, kFromFirstLayer,
              LayerStack::kDisplaySlot, 0);
    LayerStack::CopyBitmap(doc.compositeBitmap, doc.documentBitmap);
    return true;
}

}  // namespace daub
