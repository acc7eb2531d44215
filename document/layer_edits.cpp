#include "document/layer_edits.h"

#include <utility>

#include "document/slot_view.h"

namespace daub {
namespace {

// Beyond this slot count no layer is added to the first.
constexpr int kSlotCountWithoutAddedLayers = 100;

bool IsLayer(const DocumentState& doc, int slot) {
    return doc.HasDocument() && slot >= LayerStack::kFirstLayer && slot <= doc.lastLayer &&
           doc.layerStack->Bitmap(slot) != nullptr;
}

bool HasCanvasSize(const LayerStack& stack, const SlotBitmap& bitmap) {
    return bitmap.width == stack.Width(0) && bitmap.height == stack.Height(0);
}

void KeepEditedLayerShown(DocumentState& doc) {
    doc.layerStack->visible[doc.currentLayer] = 1;
}

}  // namespace

bool HasRoomForLayer(const DocumentState& doc) {
    const int slots = doc.layerStack ? doc.layerStack->SlotCount() : 0;
    return doc.HasDocument() && doc.lastLayer + 2 < slots && slots < kSlotCountWithoutAddedLayers;
}

std::unique_ptr<SlotBitmap> MakeEmptyLayer(const DocumentState& doc) {
    const SlotFormat* canvas = doc.layerStack ? doc.layerStack->Format(0) : nullptr;
    if (!canvas) return nullptr;
    std::unique_ptr<SlotBitmap> layer = LayerStack::MakeBitmap(*canvas, false);
    FillBitmap(layer.get(), doc.transparentColour);
    return layer;
}

bool PushLayer(DocumentState& doc, std::unique_ptr<SlotBitmap> layer) {
    if (!layer || !HasRoomForLayer(doc) || !HasCanvasSize(*doc.layerStack, *layer)) return false;
    LayerStack& stack = *doc.layerStack;
    ++doc.lastLayer;
    stack.InstallBitmap(doc.lastLayer, std::move(layer));
    stack.visible[doc.lastLayer] = 1;
    doc.layerIds[doc.lastLayer] = AllocateLayerId(doc);
    return true;
}

// The pictures move by trading their memory, so that no canvas is copied and none allocated.
bool DeleteEditedLayer(DocumentState& doc) {
    if (!IsLayer(doc, doc.currentLayer) || doc.lastLayer == LayerStack::kFirstLayer) return false;
    LayerStack& stack = *doc.layerStack;
    for (int j = doc.currentLayer; j < doc.lastLayer; ++j) {
        std::swap(*stack.Bitmap(j), *stack.Bitmap(j + 1));
        stack.visible[j] = stack.visible[j + 1];
        doc.layerIds[j] = doc.layerIds[j + 1];
    }
    if (doc.currentLayer == doc.lastLayer) --doc.currentLayer;
    --doc.lastLayer;
    KeepEditedLayerShown(doc);
    return true;
}

bool ExchangeLayers(DocumentState& doc, int a, int b) {
    if (!IsLayer(doc, a) || !IsLayer(doc, b)) return false;
    LayerStack& stack = *doc.layerStack;
    std::swap(*stack.Bitmap(a), *stack.Bitmap(b));
    std::swap(stack.visible[a], stack.visible[b]);
    std::swap(doc.layerIds[a], doc.layerIds[b]);
    KeepEditedLayerShown(doc);
    return true;
}

bool ShowLayer(DocumentState& doc, int slot, bool shown) {
    if (!IsLayer(doc, slot)) return false;
    doc.layerStack->visible[slot] = shown || slot == doc.currentLayer ? 1 : 0;
    return true;
}

bool SelectLayer(DocumentState& doc, int slot) {
    if (!IsLayer(doc, slot)) return false;
    doc.currentLayer = slot;
    KeepEditedLayerShown(doc);
    return true;
}

}  // namespace daub
