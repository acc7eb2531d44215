#include "app/command_rules.h"

#include <gtest/gtest.h>

#include <set>

#include "app/command_ids.h"

namespace daub {
namespace {

// Every id of the menu, for sweeping the rules.
const int kAllCommands[] = {
    cmd::kNew,
    cmd::kOpenBitmap,
    cmd::kSave,
    cmd::kSaveBitmapAs,
    cmd::kRecentBitmap1,
    cmd::kOpenLayers,
    cmd::kSaveLayers,
    cmd::kRecentLayers1,
    cmd::kClose,
    cmd::kUndo,
    cmd::kRedo,
    cmd::kCopy,
    cmd::kPaste,
    cmd::kDeleteRange,
    cmd::kSelectAll,
    cmd::kShowToolbox,
    cmd::kShowColourBox,
    cmd::kShowLayerImage,
    cmd::kShowCurveSettings,
    cmd::kGuideLine,
    cmd::kFlipLeftRight,
    cmd::kFlipTopBottom,
    cmd::kStretchRotate,
    cmd::kBlur,
    cmd::kResizeCanvas,
    cmd::kTrim,
    cmd::kBrushSettings,
    cmd::kSpraySettings,
    cmd::kLoadPalette,
    cmd::kSavePalette,
    cmd::kAbout,
};

std::set<int> Disabled(const DocumentState& doc, const CommandContext& context = {}) {
    std::set<int> disabled;
    for (int id : kAllCommands) {
        if (!IsCommandEnabled(doc, context, id)) disabled.insert(id);
    }
    return disabled;
}

// A document without pixels: the rules only look at the handle.
DocumentState WithDocument() {
    DocumentState doc;
    BuildLayerStack(doc);
    doc.layerStack->DefineFormat(0, 4, 4);
    doc.documentBitmap = doc.layerStack->CreateSlotBitmap(LayerStack::kDisplaySlot);
    return doc;
}

TEST(CommandRules, BeforeAnyDocument) {
    DocumentState doc;
    BuildLayerStack(doc);
    const std::set<int> want = {
        cmd::kSaveBitmapAs,  cmd::kUndo,          cmd::kSelectAll,     cmd::kResizeCanvas,
        cmd::kSaveLayers,    cmd::kSave,          cmd::kFlipLeftRight, cmd::kStretchRotate,
        cmd::kFlipTopBottom, cmd::kBrushSettings, cmd::kSpraySettings, cmd::kRedo,
        cmd::kCopy,          cmd::kDeleteRange,   cmd::kTrim,          cmd::kPaste,
        cmd::kRecentBitmap1, cmd::kRecentLayers1,
    };
    EXPECT_EQ(Disabled(doc), want);
    // Paste follows the clipboard alone, the recent entries their lists.
    const CommandContext context{true, true, true};
    EXPECT_TRUE(IsCommandEnabled(doc, context, cmd::kPaste));
    EXPECT_TRUE(IsCommandEnabled(doc, context, cmd::kRecentBitmap1));
    EXPECT_TRUE(IsCommandEnabled(doc, context, cmd::kRecentLayers1));
}

TEST(CommandRules, RangeStatesAfterNew) {
    DocumentState doc = WithDocument();
    EXPECT_EQ(Disabled(doc),
              (std::set<int>{cmd::kUndo, cmd::kRedo, cmd::kCopy, cmd::kPaste, cmd::kDeleteRange,
                             cmd::kTrim, cmd::kRecentBitmap1, cmd::kRecentLayers1}));

    doc.pendingOp = pending::kRangeSelected;
    doc.selection = {0, 0, 3, 2};
    EXPECT_FALSE(IsCommandEnabled(doc, {}, cmd::kResizeCanvas));
    EXPECT_FALSE(IsCommandEnabled(doc, {}, cmd::kBrushSettings));
    EXPECT_FALSE(IsCommandEnabled(doc, {}, cmd::kSpraySettings));
    EXPECT_TRUE(IsCommandEnabled(doc, {}, cmd::kTrim));
    EXPECT_TRUE(IsCommandEnabled(doc, {}, cmd::kCopy));

    doc.pendingOp = pending::kRangeFloating;
    EXPECT_FALSE(IsCommandEnabled(doc, {}, cmd::kTrim));
    EXPECT_TRUE(IsCommandEnabled(doc, {}, cmd::kCopy));
    EXPECT_TRUE(IsCommandEnabled(doc, {}, cmd::kDeleteRange));

    // An empty range cannot be copied, but can still be deleted.
    doc.selection.height = 0;
    EXPECT_FALSE(IsCommandEnabled(doc, {}, cmd::kCopy));
    EXPECT_TRUE(IsCommandEnabled(doc, {}, cmd::kDeleteRange));
}

TEST(CommandRules, UndoAndRedoFollowTheEditedLayersRing) {
    DocumentState doc = WithDocument();
    doc.undoDepth = 3;
    const int id = doc.layerIds[doc.currentLayer];
    struct Case {
        int position, top;
        bool undo, redo;
    };
    const Case cases[] = {
        {0, 0, false, false}, {1, 1, true, false}, {1, 2, true, true},
        {1, 3, false, true},  // the ring of three no longer holds what undo would need
        {2, 3, true, true},
    };
    for (const Case& c : cases) {
        doc.undoPosition[id] = c.position;
        doc.undoTop[id] = c.top;
        EXPECT_EQ(IsCommandEnabled(doc, {}, cmd::kUndo), c.undo) << c.position << "/" << c.top;
        EXPECT_EQ(IsCommandEnabled(doc, {}, cmd::kRedo), c.redo) << c.position << "/" << c.top;
    }
    doc.undoDepth = 1;  // one file: never anything to go back to
    doc.undoPosition[id] = doc.undoTop[id] = 5;
    EXPECT_FALSE(IsCommandEnabled(doc, {}, cmd::kUndo));
}

}  // namespace
}  // namespace daub
