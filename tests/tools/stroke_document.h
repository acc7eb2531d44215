#pragma once

#include <cstdint>
#include <vector>

#include "document/document_state.h"
#include "document/slot_view.h"

namespace daub::test {

// A started document of width x height in one colour, shown at zoom 1 with nothing
// dragging, for driving the brush and spray routines.
inline DocumentState StrokeDocument(int width, int height, COLORREF colour) {
    DocumentState doc;
    BuildLayerStack(doc);
    doc.layerStack->DefineFormat(0, width, height);
    FillBitmap(doc.layerStack->CreateSlotBitmap(LayerStack::kDisplaySlot), colour);
    StartDocument(doc);
    doc.zoomedWidth = width;
    doc.zoomedHeight = height;
    return doc;
}

inline COLORREF PixelOf(const DocumentState& doc, int slot, int x, int y) {
    return LoadPixel(ViewOf(*doc.layerStack, slot, 0).At(x, y));
}

// The slot's whole pixel memory.
inline std::vector<std::uint8_t> TestBytes(const DocumentState& doc, int slot) {
    BitmapHandle b = doc.layerStack->Bitmap(slot);
    return {b->pixels.get(), b->pixels.get() + b->ByteSize()};
}

inline void PaintPixel(DocumentState& doc, int slot, int x, int y, COLORREF colour) {
    StorePixel(ViewOf(*doc.layerStack, slot, 0).At(x, y), colour);
}

}  // namespace daub::test
