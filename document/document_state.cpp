#include "document/document_state.h"

#include <algorithm>
#include <optional>

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

// The work slots and the first layer of a document, made before any slot is replaced so
// that running out of memory leaves the document as it was.
struct DocumentSlots {
    // Null where the slot's own bitmap already has the new size and is used again: no memory
    // to find, and no fresh pages to touch.
    std::unique_ptr<SlotBitmap> bitmaps[5];
};

constexpr int kDocumentSlots[5] = {LayerStack::kCompositeSlot, LayerStack::kScratchSlot,
                                   LayerStack::kMaskSlot, LayerStack::kRangeSlot,
                                   LayerStack::kFirstLayer};

bool FitsFormat(const SlotBitmap* bitmap, const SlotFormat& format) {
    return bitmap && bitmap->width == format.header.biWidth &&
           bitmap->height == format.header.biHeight;
}

std::optional<DocumentSlots> MakeDocumentSlots(const LayerStack& stack, const SlotFormat& format) {
    DocumentSlots s;
    for (int i = 0; i < 5; ++i) {
        if (FitsFormat(stack.Bitmap(kDocumentSlots[i]), format)) continue;
        s.bitmaps[i] = LayerStack::MakeBitmap(format, false);
        if (!s.bitmaps[i]) return std::nullopt;
    }
    return s;
}

BitmapHandle Install(LayerStack& stack, DocumentSlots& slots, int i) {
    if (!slots.bitmaps[i]) return stack.Bitmap(kDocumentSlots[i]);
    return stack.InstallBitmap(kDocumentSlots[i], std::move(slots.bitmaps[i]));
}

void InstallDocumentSlots(DocumentState& doc, DocumentSlots slots) {
    LayerStack& stack = *doc.layerStack;
    const SlotBitmap* display = stack.Bitmap(LayerStack::kDisplaySlot);
    doc.compositeBitmap = Install(stack, slots, 0);
    LayerStack::CopyBitmap(doc.compositeBitmap, display);
    FillBitmap(Install(stack, slots, 1), doc.transparentColour);
    stack.maskEnabled = 0;
    FillBitmap(Install(stack, slots, 2), 0xFFFFFF);
    FillBitmap(Install(stack, slots, 3), doc.transparentColour);
    LayerStack::CopyBitmap(Install(stack, slots, 4), display);
}

void ResetToOneLayer(DocumentState& doc) {
    LayerStack& stack = *doc.layerStack;
    doc.documentBitmap = stack.Bitmap(LayerStack::kDisplaySlot);
    doc.currentLayer = doc.lastLayer = LayerStack::kFirstLayer;
    stack.visible[LayerStack::kFirstLayer] = 1;
    doc.zoom = 1.0f;
    doc.scrollX = doc.scrollY = 0;
    std::fill(doc.undoPosition.begin(), doc.undoPosition.end(), 0);
    std::fill(doc.undoTop.begin(), doc.undoTop.end(), 0);
    doc.layerIds[LayerStack::kFirstLayer] = AllocateLayerId(doc);
    doc.pendingOp = pending::kNone;
    stack.curvePointCount = 0;
    doc.modified = 0;
}

bool CanHoldDocument(const LayerStack* stack) {
    return stack && stack->SlotCount() >= 7;
}

}  // namespace

bool StartDocument(DocumentState& doc) {
    LayerStack* stack = doc.layerStack.get();
    const SlotFormat* format = stack ? stack->Format(0) : nullptr;
    std::optional<DocumentSlots> slots;
    if (CanHoldDocument(stack) && format && stack->Bitmap(LayerStack::kDisplaySlot))
        slots = MakeDocumentSlots(*stack, *format);
    if (!slots) {
        // Without every work slot no tool could run safely: stay without a document.
        doc.documentBitmap = nullptr;
        return false;
    }
    InstallDocumentSlots(doc, std::move(*slots));
    ResetToOneLayer(doc);
    return true;
}

bool StartDocumentWith(DocumentState& doc, std::unique_ptr<SlotBitmap> picture) {
    LayerStack* stack = doc.layerStack.get();
    if (!CanHoldDocument(stack) || !picture) return false;
    const int width = picture->width, height = picture->height;
    std::optional<DocumentSlots> slots = MakeDocumentSlots(*stack, MakeSlotFormat(width, height));
    if (!slots || !stack->DefineFormat(0, width, height)) return false;
    stack->InstallBitmap(LayerStack::kDisplaySlot, std::move(picture));
    InstallDocumentSlots(doc, std::move(*slots));
    ResetToOneLayer(doc);
    return true;
}

bool StartBlankDocument(DocumentState& doc, int width, int height, COLORREF colour) {
    if (!IsValidSlotSize(width, height)) return false;
    auto picture = LayerStack::MakeBitmap(MakeSlotFormat(width, height), false);
    if (!picture) return false;
    FillBitmap(picture.get(), colour);
    return StartDocumentWith(doc, std::move(picture));
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
