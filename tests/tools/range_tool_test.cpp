#include "tools/range_tool.h"
#include "tools/floating_range.h"

#include <gtest/gtest.h>

#include "tests/tools/recording_tool_host.h"
#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::Block;
using test::PointSet;
using test::ToolBench;

constexpr COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF, kGreen = 0x00FF00;

// Press at one view point, the last mouse move at another, release.
void DragOut(ToolBench& bench, Point from, Point to) {
    RangeSelect(bench.doc, bench, from, ToolPhase::LeftPress);
    bench.doc.lastPoint = to;
    RangeSelect(bench.doc, bench, to, ToolPhase::LeftDrag);
    RangeSelect(bench.doc, bench, to, ToolPhase::LeftRelease);
}

TEST(RangeTool, DraggingOutFixesTheRangeAndCopiesTheLayerUnderIt) {
    ToolBench bench(20, 12, kWhite);
    bench.doc.zoom = 2.0f;
    bench.doc.zoomedWidth = 40;
    bench.doc.zoomedHeight = 24;
    bench.Paint(5, 5, kRed);
    bench.Paint(15, 9, kGreen);
    // Dragged up and left: the range is kept by its smaller corner and absolute size.
    DragOut(bench, {31, 21}, {10, 10});
    EXPECT_EQ(bench.calls, (std::vector<std::string>{"end", "pending 1", "pending 2"}));
    EXPECT_EQ(bench.doc.pendingOp, pending::kRangeSelected);
    EXPECT_EQ(bench.doc.selection.x, 10);
    EXPECT_EQ(bench.doc.selection.y, 10);
    EXPECT_EQ(bench.doc.selection.width, 21);
    EXPECT_EQ(bench.doc.selection.height, 11);
    // Canvas rectangle (5, 5, 10, 5): the red pixel at its corner, the green one outside.
    EXPECT_EQ(bench.Stack().Width(4), 10);
    EXPECT_EQ(bench.Stack().Height(4), 5);
    EXPECT_EQ(bench.PixelsOf(LayerStack::kRangeSlot, kRed, 4), (PointSet{{0, 0}}));
    EXPECT_EQ(bench.PixelsOf(LayerStack::kRangeSlot, kWhite, 4).size(), 49u);
    EXPECT_TRUE(bench.PixelsOf(LayerStack::kRangeSlot, kGreen, 4).empty());

    // A click without a move in between leaves no range at all.
    bench.calls.clear();
    RangeSelect(bench.doc, bench, {4, 6}, ToolPhase::LeftPress);
    RangeSelect(bench.doc, bench, {4, 6}, ToolPhase::LeftRelease);
    EXPECT_EQ(bench.doc.pendingOp, pending::kNone);

    // A press beyond the zoomed picture ends what was pending and starts nothing.
    RangeSelect(bench.doc, bench, {41, 3}, ToolPhase::LeftPress);
    EXPECT_EQ(bench.doc.pendingOp, pending::kNone);
}

TEST(RangeTool, LiftingLeavesAHoleAndMovingShowsTheRangeOverTheCleanPicture) {
    ToolBench bench(20, 12, kWhite);
    const COLORREF clear = bench.doc.transparentColour;
    const int layer = bench.doc.currentLayer;
    for (const auto& [x, y] : Block(2, 2, 4, 3))
        bench.Paint(x, y, kRed);
    bench.Paint(3, 2, clear);  // see-through while it floats
    DragOut(bench, {1, 1}, {6, 5});
    const auto layerBefore = bench.Bytes(layer);

    // Grabbed on the range's border: not inside, so a new range starts instead.
    bench.calls.clear();
    RangeSelect(bench.doc, bench, {1, 3}, ToolPhase::LeftPress);
    EXPECT_EQ(bench.doc.pendingOp, pending::kRangeDragged);
    DragOut(bench, {1, 1}, {6, 5});

    bench.calls.clear();
    RangeSelect(bench.doc, bench, {2, 2}, ToolPhase::LeftPress);
    EXPECT_EQ(bench.calls, (std::vector<std::string>{"snapshot 1103"}));
    EXPECT_EQ(bench.layerAtSnapshot.back(), layerBefore);
    EXPECT_EQ(bench.doc.pendingOp, pending::kRangeFloating);
    EXPECT_EQ(bench.PixelsOf(layer, clear), Block(1, 1, 5, 4));
    EXPECT_EQ(bench.PixelsOf(LayerStack::kCompositeSlot, clear), Block(1, 1, 5, 4));

    // Grab offset (1, 1): the range's corner follows the pointer to (10, 6).
    bench.calls.clear();
    RangeSelect(bench.doc, bench, {11, 7}, ToolPhase::LeftDrag);
    EXPECT_EQ(bench.calls, (std::vector<std::string>{"repaint"}));
    EXPECT_EQ(bench.doc.selection.x, 10);
    EXPECT_EQ(bench.doc.selection.y, 6);
    PointSet red = Block(11, 7, 13, 8);
    red.erase({12, 7});
    EXPECT_EQ(bench.PixelsOf(LayerStack::kDisplaySlot, kRed), red);
    EXPECT_EQ(bench.Get(LayerStack::kDisplaySlot, 12, 7), kWhite) << "the key shows through";
    EXPECT_EQ(bench.PixelsOf(LayerStack::kDisplaySlot, clear), Block(1, 1, 5, 4));
    EXPECT_TRUE(bench.PixelsOf(layer, kRed).empty()) << "the layer waits for the put-down";

    // Grabbing the floating range again takes no second snapshot.
    bench.calls.clear();
    RangeSelect(bench.doc, bench, {14, 9}, ToolPhase::LeftPress);
    EXPECT_TRUE(bench.calls.empty());
    EXPECT_EQ(bench.doc.grabOffset.x, 4);
    EXPECT_EQ(bench.doc.grabOffset.y, 3);

    // S: back where it was lifted, shown over the hole.
    PutBackFloatingRange(bench.doc, bench);
    EXPECT_EQ(bench.doc.selection.x, 1);
    EXPECT_EQ(bench.doc.selection.y, 1);
    red = Block(2, 2, 4, 3);
    red.erase({3, 2});
    EXPECT_EQ(bench.PixelsOf(LayerStack::kDisplaySlot, kRed), red);

    // A press outside the floating range ends it through the window.
    bench.calls.clear();
    RangeSelect(bench.doc, bench, {18, 10}, ToolPhase::LeftPress);
    EXPECT_EQ(bench.calls.front(), "end");
    EXPECT_EQ(bench.doc.pendingOp, pending::kRangeDragged);
}

TEST(RangeTool, ARangeTooLargeForASlotIsDroppedRatherThanLiftingAStaleOne) {
    ToolBench bench(20, 12, kWhite);
    bench.Paint(1, 1, kRed);
    DragOut(bench, {0, 0}, {4, 4});
    const auto rangeBefore = bench.Bytes(LayerStack::kRangeSlot);
    // At zoom 0.1 a drag far beyond the window asks for 40000 x 40000 pixels.
    bench.doc.zoom = 0.1f;
    bench.doc.zoomedWidth = 2;
    bench.doc.zoomedHeight = 1;
    DragOut(bench, {0, 0}, {4000, 4000});
    EXPECT_EQ(bench.doc.pendingOp, pending::kNone);
    EXPECT_EQ(bench.calls.back(), "pending 0");
    EXPECT_EQ(bench.Bytes(LayerStack::kRangeSlot), rangeBefore);
    // Nothing can be lifted now.
    bench.calls.clear();
    RangeSelect(bench.doc, bench, {1, 1}, ToolPhase::LeftPress);
    EXPECT_EQ(bench.calls.front(), "end");
    EXPECT_EQ(bench.Get(bench.doc.currentLayer, 1, 1), kRed);
}

}  // namespace
}  // namespace daub
