#include "document/document_state.h"

#include <gtest/gtest.h>

#include "document/slot_view.h"

namespace daub {
namespace {

DocumentState NewDocument(int w, int h, COLORREF colour) {
    DocumentState doc;
    BuildLayerStack(doc);
    doc.layerStack->DefineFormat(0, w, h);
    FillBitmap(doc.layerStack->CreateSlotBitmap(LayerStack::kDisplaySlot), colour);
    return doc;
}

TEST(DocumentState, StartsWithoutDocument) {
    DocumentState doc;
    BuildLayerStack(doc);
    EXPECT_FALSE(doc.HasDocument());
    EXPECT_EQ(doc.layerStack->SlotCount(), 20);
    EXPECT_EQ(doc.layerIds[7], 7);
    EXPECT_EQ(doc.lastLayer, 0);
    EXPECT_FALSE(StartDocument(doc));  // nothing in the display slot
    EXPECT_FALSE(doc.HasDocument());
}

TEST(DocumentState, StartDocumentBuildsTheWorkSlotsAndOneLayer) {
    DocumentState doc = NewDocument(3, 2, 0x123456);
    doc.modified = 1;
    doc.zoom = 4.0f;
    doc.pendingOp = pending::kRangeFloating;
    doc.undoPosition[9] = 3;
    doc.layerStack->maskEnabled = 1;
    ASSERT_TRUE(StartDocument(doc));

    LayerStack& s = *doc.layerStack;
    EXPECT_TRUE(doc.HasDocument());
    EXPECT_EQ(doc.compositeBitmap, s.Bitmap(LayerStack::kCompositeSlot));
    const auto colourAt = [&](int slot) { return LoadPixel(ViewOf(s, slot, 0).At(2, 1)); };
    EXPECT_EQ(colourAt(LayerStack::kCompositeSlot), 0x123456u);
    EXPECT_EQ(colourAt(LayerStack::kScratchSlot), kTransparentColour);
    EXPECT_EQ(colourAt(LayerStack::kMaskSlot), 0xFFFFFFu);
    EXPECT_EQ(colourAt(LayerStack::kRangeSlot), kTransparentColour);
    EXPECT_EQ(colourAt(LayerStack::kFirstLayer), 0x123456u);
    EXPECT_EQ(s.maskEnabled, 0);
    EXPECT_EQ(doc.currentLayer, 5);
    EXPECT_EQ(doc.lastLayer, 5);
    EXPECT_EQ(s.visible[5], 1);
    EXPECT_EQ(doc.zoom, 1.0f);
    EXPECT_EQ(doc.pendingOp, 0);
    EXPECT_EQ(doc.modified, 0);
    EXPECT_EQ(doc.undoPosition[9], 0);
}

TEST(DocumentState, RestartingGivesTheLayerAnotherId) {
    DocumentState doc = NewDocument(2, 2, 0);
    ASSERT_TRUE(StartDocument(doc));
    const int first = doc.layerIds[5];
    ASSERT_TRUE(StartDocument(doc));
    EXPECT_NE(doc.layerIds[5], first);
    ASSERT_TRUE(StartDocument(doc));
    EXPECT_EQ(doc.layerIds[5], first);
}

TEST(DocumentState, AllocateLayerIdTakesTheSmallestFreeId) {
    DocumentState doc = NewDocument(2, 2, 0);
    ASSERT_TRUE(StartDocument(doc));
    doc.lastLayer = 7;
    doc.layerIds[5] = 0;
    doc.layerIds[6] = 2;
    doc.layerIds[7] = 3;  // the slot about to receive an id still holds its old one
    doc.undoPosition[1] = 4;
    doc.undoTop[1] = 6;
    EXPECT_EQ(AllocateLayerId(doc), 1);
    EXPECT_EQ(doc.undoPosition[1], 0);
    EXPECT_EQ(doc.undoTop[1], 0);
    doc.layerIds[7] = 1;
    EXPECT_EQ(AllocateLayerId(doc), 3);
}

TEST(DocumentState, ConfiguredSlotCountSizesEveryArray) {
    DocumentState doc;
    doc.slotCount = 10;  // three layers configured
    BuildLayerStack(doc);
    EXPECT_EQ(doc.layerStack->SlotCount(), 10);
    EXPECT_EQ(doc.layerIds.size(), 10u);
    EXPECT_EQ(doc.undoTop.size(), 10u);
    EXPECT_EQ(doc.layerStack->visible.size(), 10u);
}

}  // namespace
}  // namespace daub
