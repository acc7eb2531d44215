// The undo history's rules that need no file: snapshot file names, the ring depth and what
// the menu offers once the history knows a ring file does not hold a step.
#include "document/undo_history.h"

#include <gtest/gtest.h>

namespace daub {
namespace {

TEST(UndoHistory, SnapshotFileNamesTurnWithTheRing) {
    struct Case {
        int depth, id, number;
        const char* name;
    };
    const Case cases[] = {
        {20, 3, 27, "C:\\pics\\Temp\\3-7.bmp"},
        {20, 3, 20, "C:\\pics\\Temp\\3-0.bmp"},  // k and k + depth share a file
        {20, 12, 19, "C:\\pics\\Temp\\12-19.bmp"},
        {7, 0, 6, "C:\\pics\\Temp\\0-6.bmp"},
        {1, 4, 9, "C:\\pics\\Temp\\4-0.bmp"},
        {0, 4, 9, "C:\\pics\\Temp\\4-0.bmp"},  // a depth below one is a ring of one file
        {-5, 4, 9, "C:\\pics\\Temp\\4-0.bmp"},
        {2147483647, 1, 2147483646, "C:\\pics\\Temp\\1-2147483646.bmp"},  // no overflow
    };
    DocumentState doc;
    doc.workDirectory = "C:\\pics\\Temp\\";
    for (const Case& c : cases) {
        doc.undoDepth = c.depth;
        EXPECT_EQ(SnapshotFileName(doc, c.id, c.number), c.name) << c.depth << " " << c.number;
    }
    doc.workDirectory = "/tmp/daubix/";  // taken as it is
    doc.undoDepth = 20;
    EXPECT_EQ(SnapshotFileName(doc, 5, 41), "/tmp/daubix/5-1.bmp");
}

DocumentState WithDocument(int depth) {
    DocumentState doc;
    BuildLayerStack(doc);
    doc.layerStack->DefineFormat(0, 4, 4);
    doc.documentBitmap = doc.layerStack->CreateSlotBitmap(LayerStack::kDisplaySlot);
    doc.undoDepth = depth;
    return doc;
}

TEST(UndoHistory, StepsWhoseFileIsKnownMissingAreNotOffered) {
    DocumentState doc = WithDocument(5);
    const int id = EditedUndoId(doc);
    doc.undoPosition[id] = 3;
    doc.undoTop[id] = 5;
    ASSERT_TRUE(CanUndo(doc));  // nothing known of the files: the counters decide
    ASSERT_TRUE(CanRedo(doc));

    NoteSnapshotFile(doc, id, 2, false);  // its write failed
    NoteSnapshotFile(doc, id, 4, true);
    EXPECT_FALSE(CanUndo(doc));
    EXPECT_TRUE(CanRedo(doc));

    NoteSnapshotFile(doc, id, 2, true);
    NoteSnapshotFile(doc, id, 9, true);  // the next turn of the ring took the file of 4
    EXPECT_TRUE(CanUndo(doc));
    EXPECT_FALSE(CanRedo(doc));

    // Another layer's ring is its own.
    doc.currentLayer = 6;
    const int other = EditedUndoId(doc);
    ASSERT_NE(other, id);
    doc.undoPosition[other] = 3;
    doc.undoTop[other] = 5;
    EXPECT_TRUE(CanUndo(doc));
    EXPECT_TRUE(CanRedo(doc));
}

}  // namespace
}  // namespace daub
