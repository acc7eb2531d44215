// Undo and redo through real snapshot files: each layer's ring, how far back it reaches, and
// what happens when a ring file could not be written or is not the one the history wrote.
#include "files/undo_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "document/slot_view.h"
#include "files/bmp_writer.h"
#include "files/file_path.h"
#include "tests/files/bmp_test_support.h"
#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::RecordingSink;
using test::TempDir;
using test::TestCanvas;
using test::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

// A started 5 x 3 document (odd width: rows are padded) whose snapshots go to a fresh
// directory. Changes paint random bytes over the edited layer, padding included.
struct Session {
    TempDir dir;
    DocumentState doc;
    RecordingSink sink;
    std::mt19937 rng{11};

    explicit Session(int depth) {
        BuildLayerStack(doc);
        doc.layerStack->DefineFormat(0, 5, 3);
        doc.layerStack->CreateSlotBitmap(LayerStack::kDisplaySlot);
        EXPECT_TRUE(StartDocument(doc));
        doc.undoDepth = depth;
        doc.workDirectory = WorkDirectory();
    }

    std::string WorkDirectory() const { return Utf8FromPath(dir.Path()) + "/"; }
    std::string Missing() const { return Utf8FromPath(dir.Path() / "gone") + "/"; }

    Bytes Layer(int slot) const {
        const SlotView v = ViewOf(*doc.layerStack, slot, 0);
        return {v.bits, v.bits + v.ByteSize()};
    }
    Bytes Edited() const { return Layer(doc.currentLayer); }

    // What a painting tool does: a snapshot, then the layer changes. Returns the new content.
    Bytes Change() {
        EXPECT_TRUE(Snapshot(doc, SnapshotKind::Always, sink));
        const SlotView v = ViewOf(*doc.layerStack, doc.currentLayer, 0);
        for (std::size_t i = 0; i < v.ByteSize(); ++i)
            v.bits[i] = static_cast<std::uint8_t>(rng());
        return Edited();
    }

    // The window's undo command: the pending operation ends between the check and the undo.
    bool UndoCommand() { return CanUndo(doc) && Undo(doc, sink); }
    bool RedoCommand() { return CanRedo(doc) && Redo(doc); }

    std::string RingFile(int number) const {
        return SnapshotFileName(doc, doc.layerIds[doc.currentLayer], number);
    }

    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.Path()))
            names.insert(Utf8FromPath(entry.path().filename()));
        return names;
    }

    int AddLayer() {
        const int slot = ++doc.lastLayer;
        FillBitmap(doc.layerStack->CreateSlotBitmap(slot), doc.transparentColour);
        doc.layerIds[slot] = AllocateLayerId(doc);
        doc.layerStack->visible[slot] = 1;
        return slot;
    }
};

TEST(UndoFiles, TwentyFileRingUndoesNineteenStepsAndRedoesThemAll) {
    Session s(20);
    std::vector<Bytes> states{s.Edited()};
    for (int i = 1; i <= 25; ++i)
        states.push_back(s.Change());
    EXPECT_EQ(s.doc.modified, 1);
    s.doc.modified = 0;  // saved: undo and redo leave the flag alone

    for (int k = 1; k <= 19; ++k) {
        ASSERT_TRUE(s.UndoCommand()) << k;
        ASSERT_EQ(s.Edited(), states[25 - k]) << k;
    }
    EXPECT_FALSE(CanUndo(s.doc));  // the older file went to the state saved for redo
    EXPECT_FALSE(Undo(s.doc, s.sink));
    EXPECT_EQ(s.Edited(), states[6]);

    for (int k = 1; k <= 19; ++k) {
        ASSERT_TRUE(s.RedoCommand()) << k;
        ASSERT_EQ(s.Edited(), states[6 + k]) << k;
    }
    EXPECT_FALSE(CanRedo(s.doc));
    EXPECT_FALSE(Redo(s.doc));
    EXPECT_EQ(s.Edited(), states[25]);
    EXPECT_EQ(s.doc.modified, 0);
    EXPECT_TRUE(s.sink.messages.empty());

    // Twenty files for the layer, and no more, however many changes were made.
    const std::string id = std::to_string(s.doc.layerIds[s.doc.currentLayer]);
    std::set<std::string> want;
    for (int n = 0; n < 20; ++n)
        want.insert(id + "-" + std::to_string(n) + ".bmp");
    EXPECT_EQ(s.Files(), want);
}

TEST(UndoFiles, NewChangeAfterUndoDropsWhatCouldBeRedone) {
    Session s(20);
    const Bytes first = s.Change();
    s.Change();
    s.Change();
    ASSERT_TRUE(s.UndoCommand());
    ASSERT_TRUE(s.UndoCommand());
    ASSERT_EQ(s.Edited(), first);

    const Bytes branch = s.Change();
    EXPECT_FALSE(CanRedo(s.doc));
    EXPECT_FALSE(Redo(s.doc));
    EXPECT_EQ(s.Edited(), branch);
    ASSERT_TRUE(s.UndoCommand());
    EXPECT_EQ(s.Edited(), first);
    ASSERT_TRUE(s.RedoCommand());  // back to the new branch, not the dropped one
    EXPECT_EQ(s.Edited(), branch);
    EXPECT_FALSE(CanRedo(s.doc));
}

TEST(UndoFiles, EachLayerUndoesItsOwnChangesEvenAfterAnExchange) {
    Session s(20);
    const int a = LayerStack::kFirstLayer;
    const int b = s.AddLayer();
    ASSERT_NE(s.doc.layerIds[a], s.doc.layerIds[b]);
    const auto changeOn = [&](int slot) {
        s.doc.currentLayer = slot;
        return s.Change();
    };
    const Bytes a0 = s.Layer(a), b0 = s.Layer(b);
    const Bytes a1 = changeOn(a), b1 = changeOn(b), a2 = changeOn(a), b2 = changeOn(b);
    changeOn(a);

    s.doc.currentLayer = a;
    ASSERT_TRUE(s.UndoCommand());
    EXPECT_EQ(s.Layer(a), a2);
    EXPECT_EQ(s.Layer(b), b2);
    ASSERT_TRUE(s.UndoCommand());
    EXPECT_EQ(s.Layer(a), a1);

    s.doc.currentLayer = b;
    ASSERT_TRUE(s.UndoCommand());
    EXPECT_EQ(s.Layer(b), b1);
    ASSERT_TRUE(s.UndoCommand());
    EXPECT_EQ(s.Layer(b), b0);
    EXPECT_FALSE(CanUndo(s.doc));
    EXPECT_EQ(s.Layer(a), a1);

    // The layer window exchanges the two: contents and undo ids move together.
    const Bytes atA = s.Layer(a), atB = s.Layer(b);
    std::copy(atB.begin(), atB.end(), s.doc.layerStack->Bits(a));
    std::copy(atA.begin(), atA.end(), s.doc.layerStack->Bits(b));
    std::swap(s.doc.layerIds[a], s.doc.layerIds[b]);
    s.doc.currentLayer = b;  // now the first layer's picture
    ASSERT_TRUE(s.UndoCommand());
    EXPECT_EQ(s.Layer(b), a0);
    EXPECT_EQ(s.Layer(a), b0);
    ASSERT_TRUE(s.RedoCommand());
    ASSERT_TRUE(s.RedoCommand());
    EXPECT_EQ(s.Layer(b), a2);
}

TEST(UndoFiles, RingOfOneFileNeverUndoesButKeepsWriting) {
    for (int depth : {1, 0, -4}) {  // below one is taken as one, not divided by
        SCOPED_TRACE(depth);
        Session s(depth);
        Bytes beforeLast;
        for (int i = 0; i < 4; ++i) {
            beforeLast = s.Edited();
            s.Change();
            EXPECT_FALSE(CanUndo(s.doc));
        }
        EXPECT_FALSE(Undo(s.doc, s.sink));
        const std::string file = std::to_string(s.doc.layerIds[s.doc.currentLayer]) + "-0.bmp";
        EXPECT_EQ(s.Files(), std::set<std::string>{file});
        const Bytes onDisk = ReadBytes(s.WorkDirectory() + file);
        ASSERT_EQ(onDisk.size(), 54 + beforeLast.size());
        EXPECT_EQ(Bytes(onDisk.begin() + 54, onDisk.end()), beforeLast);
        EXPECT_EQ(s.doc.modified, 1);
    }
}

TEST(UndoFiles, OnlyPaintingToolsOfTheButtonTakeSnapshots) {
    struct Case {
        ToolKind left, right;
        SnapshotKind kind;
        bool taken;
    };
    const Case cases[] = {
        {ToolKind::Pen, ToolKind::ColourPicker, SnapshotKind::Left, true},
        {ToolKind::Pen, ToolKind::ColourPicker, SnapshotKind::Right, false},
        {ToolKind::Eraser, ToolKind::Fill, SnapshotKind::Right, true},
        {ToolKind::Brush, ToolKind::Zoom, SnapshotKind::Left, true},
        {ToolKind::Spray, ToolKind::Spray, SnapshotKind::Right, true},
        {ToolKind::Line, ToolKind::Pen, SnapshotKind::Left, false},  // its completion does
        {ToolKind::RangeSelect, ToolKind::Mask, SnapshotKind::Left, false},
        {ToolKind::Curve, ToolKind::Ellipse, SnapshotKind::Always, true},
        {ToolKind::RangeSelect, ToolKind::Zoom, SnapshotKind::Range, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        SCOPED_TRACE(static_cast<int>(c.left));
        Session s(20);
        s.doc.leftTool = c.left;
        s.doc.rightTool = c.right;
        EXPECT_EQ(Snapshot(s.doc, c.kind, s.sink), c.taken);
        EXPECT_EQ(s.doc.modified, c.taken ? 1 : 0);
        EXPECT_EQ(s.Files().size(), c.taken ? 1u : 0u);
        EXPECT_EQ(CanUndo(s.doc), c.taken);
    }
}

TEST(UndoFiles, SnapshotThatCouldNotBeWrittenIsNeverReadBackStale) {
    Session s(3);
    std::vector<Bytes> states{s.Edited()};
    for (int i = 1; i <= 3; ++i)
        states.push_back(s.Change());                  // snapshots 0, 1, 2 fill the ring
    const Bytes staleFile = ReadBytes(s.RingFile(3));  // snapshot 0, which 3 should replace

    s.doc.workDirectory = s.Missing();
    states.push_back(s.Change());
    ASSERT_EQ(s.sink.messages.size(), 1u);
    EXPECT_EQ(s.sink.messages[0].text, "保存に失敗しました。");
    EXPECT_EQ(s.sink.messages[0].caption, "error");
    EXPECT_EQ(s.doc.modified, 1);

    s.doc.workDirectory = s.WorkDirectory();
    states.push_back(s.Change());
    ASSERT_EQ(ReadBytes(s.RingFile(3)), staleFile);  // the old turn's file is still there

    ASSERT_TRUE(s.UndoCommand());
    EXPECT_EQ(s.Edited(), states[4]);
    EXPECT_FALSE(CanUndo(s.doc));
    EXPECT_FALSE(Undo(s.doc, s.sink));
    EXPECT_EQ(s.Edited(), states[4]);
    ASSERT_TRUE(s.RedoCommand());
    EXPECT_EQ(s.Edited(), states[5]);
    EXPECT_EQ(s.sink.messages.size(), 1u);
}

TEST(UndoFiles, UndoKeepsThePresentStateWhenItCannotBeSavedForRedo) {
    Session s(20);
    const Bytes first = s.Change();
    const Bytes present = s.Change();
    s.doc.workDirectory = s.Missing();
    ASSERT_TRUE(CanUndo(s.doc));
    EXPECT_FALSE(Undo(s.doc, s.sink));
    EXPECT_EQ(s.Edited(), present);
    EXPECT_EQ(s.sink.messages.size(), 1u);

    s.doc.workDirectory = s.WorkDirectory();  // the directory is back: undo works again
    ASSERT_TRUE(s.UndoCommand());
    EXPECT_EQ(s.Edited(), first);
    ASSERT_TRUE(s.RedoCommand());
    EXPECT_EQ(s.Edited(), present);
}

TEST(UndoFiles, RingFileThatIsNotThisCanvasSnapshotIsNotRead) {
    struct Case {
        const char* what;
        void (*spoil)(const std::string& path);
    };
    const Case cases[] = {
        {"another canvas size",
         [](const std::string& path) {
             TestCanvas other(6, 3, {0});  // more bytes than the 5 x 3 layer needs
             other.Fill(0, 0x0000FF);
             RecordingSink quiet;
             ASSERT_TRUE(WriteBitmapFile(quiet, path, other.stack, 0, 0));
         }},
        {"cut short",
         [](const std::string& path) {
             Bytes bytes = ReadBytes(path);
             bytes.resize(bytes.size() - 1);
             WriteBytes(path, bytes);
         }},
        {"deleted", [](const std::string& path) { fs::remove(PathFromUtf8(path)); }},
        {"not a bitmap", [](const std::string& path) { WriteBytes(path, Bytes(200, 'x')); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s(5);
        s.Change();
        const Bytes second = s.Change();
        const Bytes third = s.Change();
        c.spoil(s.RingFile(1));

        ASSERT_TRUE(s.UndoCommand());
        EXPECT_EQ(s.Edited(), second);
        EXPECT_FALSE(Undo(s.doc, s.sink));
        EXPECT_EQ(s.Edited(), second);
        EXPECT_FALSE(CanUndo(s.doc));  // the refused step is not offered again
        ASSERT_TRUE(s.RedoCommand());
        EXPECT_EQ(s.Edited(), third);
    }
}

TEST(UndoFiles, NothingToUndoWhilePendingWithoutDocumentOrAfterReset) {
    Session s(20);
    const Bytes first = s.Change();
    const Bytes present = s.Change();
    s.doc.pendingOp = pending::kRangeFloating;  // the window has not ended it
    EXPECT_TRUE(CanUndo(s.doc));
    EXPECT_FALSE(Undo(s.doc, s.sink));
    EXPECT_EQ(s.Edited(), present);
    s.doc.pendingOp = pending::kNone;
    ASSERT_TRUE(s.UndoCommand());
    s.doc.pendingOp = pending::kRangeFloating;
    EXPECT_FALSE(Redo(s.doc));
    EXPECT_EQ(s.Edited(), first);
    s.doc.pendingOp = pending::kNone;

    ResetHistory(s.doc);
    EXPECT_FALSE(CanUndo(s.doc));
    EXPECT_FALSE(Undo(s.doc, s.sink));

    s.Change();
    s.doc.documentBitmap = nullptr;  // a failed open left no document
    EXPECT_FALSE(CanUndo(s.doc));
    EXPECT_FALSE(Undo(s.doc, s.sink));
    EXPECT_FALSE(Snapshot(s.doc, SnapshotKind::Always, s.sink));
}

}  // namespace
}  // namespace daub
