#include "document/document_state.h"

#include <algorithm>

#include "document/slot_view.h"

namespace daub {

void BuildLayerStack(DocumentState& doc) {
    const auto n = static_cast<std::size_t>(std::max(doc.slotCount, 0));
    doc.layerStack = std::make_unique<LayerStack>(doc.slotCount);
    doc.undoPosition.assign(n, 0);
    doc.undoTop.assign(n, 0);
    doc.layerIds.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        doc.layerIds[i] = static_cast<int>(i);
}

namespace {

BitmapHandle CreateFilled(LayerStack& stack, int slot, COLORREF colour) {
    BitmapHandle b = stack.CreateSlotBitmap(slot);
    FillBitmap(b, colour);
    return b;
}

}  // namespace

bool StartDocument(DocumentState& doc) {
    LayerStack* stack = doc.layerStack.get();
    if (!stack || !stack->Bitmap(LayerStack::kDisplaySlot) || stack->SlotCount() < 7) {
        doc.documentBitmap = nullptr;
        return false;
    }
    doc.documentBitmap = stack->Bitmap(LayerStack::kDisplaySlot);
    doc.compositeBitmap = stack->CreateSlotBitmap(LayerStack::kCompositeSlot);
    LayerStack::CopyBitmap(doc.compositeBitmap, doc.documentBitmap);
    const bool scratch = CreateFilled(*stack, LayerStack::kScratchSlot, doc.transparentColour);
    stack->maskEnabled = 0;
    const bool mask = CreateFilled(*stack, LayerStack::kMaskSlot, 0xFFFFFF);
    const bool range = CreateFilled(*stack, LayerStack::kRangeSlot, doc.transparentColour);
    doc.currentLayer = LayerStack::kFirstLayer;
    BitmapHandle layer = stack->CreateSlotBitmap(LayerStack::kFirstLayer);
    LayerStack::CopyBitmap(layer, doc.documentBitmap);
    if (!doc.compositeBitmap || !scratch || !mask || !range || !layer) {
        // Without every work slot no tool could run safely: stay without a document.
        doc.documentBitmap = nullptr;
        return false;
    }
    doc.lastLayer = LayerStack::kFirstLayer;
    stack->visible[LayerStack::kFirstLayer] = 1;
    doc.zoom = 1.0f;
    doc.scrollX = doc.scrollY = 0;
    std::fill(doc.undoPosition.begin(), doc.undoPosition.end(), 0);
    std::fill(doc.undoTop.begin(), doc.undoTop.end(), 0);
    doc.layerIds[LayerStack::kFirstLayer] = AllocateLayerId(doc);
    doc.pendingOp = pending::kNone;
    doc.curvePointCount = 0;
    stack->curvePointCount = 0;
    doc.modified = 0;
    return true;
}

int AllocateLayerId(DocumentState& doc) {
    const int n = static_cast<int>(doc.layerIds.size());
    std::vector<bool> used(static_cast<std::size_t>(n), false);
    const int top = std::min(doc.lastLayer, n - 1);
    // The slot about to receive the id still holds its old one, so it counts as used.
    for (int slot = LayerStack::kFirstLayer; slot <= top; ++slot) {
        const int id = doc.layerIds[slot];
        if (id >= 0 && id < n) used[id] = true;
    }
    for (int id = 0; id < n; ++id) {
        if (!used[id]) {
            doc.undoPosition[id] = 0;
            doc.undoTop[id] = 0;
            return id;
        }
    }
    return 0;
}

}  // namespace daub
