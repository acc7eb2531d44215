#include "tools/shape_tools.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/tools/recording_tool_host.h"
#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::Block;
using test::PointSet;
using test::ToolBench;

constexpr COLORREF kWhite = 0xFFFFFF, kInk = 0x000000, kSecond = 0x0000FF;

const struct {
    const char* name;
    ShapeKind shape;
    int pendingOp;
} kShapes[] = {
    {"line", ShapeKind::Line, 20},
    {"rectangle", ShapeKind::Rectangle, 40},
    {"ellipse", ShapeKind::Ellipse, 30},
};

// The display after a press at (2, 2) and one drag to the given point.
std::vector<std::uint8_t> OneDragPreview(ShapeKind shape, Point to) {
    ToolBench bench(20, 12, kWhite);
    ShapeTool(bench.doc, bench, shape, {2, 2}, ToolPhase::LeftPress);
    ShapeTool(bench.doc, bench, shape, to, ToolPhase::LeftDrag);
    return bench.Bytes(LayerStack::kDisplaySlot);
}

TEST(ShapeTools, PreviewIsRedrawnOnACleanPictureAndCommittedOnceAtRelease) {
    for (const auto& s : kShapes) {
        SCOPED_TRACE(s.name);
        ToolBench bench(20, 12, kWhite);
        const auto clean = bench.Bytes(bench.doc.currentLayer);
        ShapeTool(bench.doc, bench, s.shape, {2, 2}, ToolPhase::LeftPress);
        EXPECT_EQ(bench.doc.pendingOp, s.pendingOp);
        ShapeTool(bench.doc, bench, s.shape, {15, 9}, ToolPhase::LeftDrag);
        ShapeTool(bench.doc, bench, s.shape, {8, 6}, ToolPhase::LeftDrag);
        // No trace of the first preview, and the layer not yet touched.
        const auto preview = OneDragPreview(s.shape, {8, 6});
        EXPECT_EQ(bench.Bytes(LayerStack::kDisplaySlot), preview);
        EXPECT_EQ(bench.Bytes(bench.doc.currentLayer), clean);
        EXPECT_FALSE(bench.PixelsOf(LayerStack::kDisplaySlot, kInk).empty());

        bench.calls.clear();
        ShapeTool(bench.doc, bench, s.shape, {8, 6}, ToolPhase::LeftRelease);
        EXPECT_EQ(bench.calls, (std::vector<std::string>{"snapshot 2", "repaint"}));
        ASSERT_EQ(bench.layerAtSnapshot.size(), 1u);
        EXPECT_EQ(bench.layerAtSnapshot[0], clean) << "the snapshot holds the layer before";
        EXPECT_EQ(bench.Bytes(LayerStack::kDisplaySlot), preview);
        EXPECT_EQ(bench.Bytes(bench.doc.currentLayer), preview);
        EXPECT_EQ(bench.doc.pendingOp, 0);

        // A second release (or one of the other button) finds nothing pending.
        bench.calls.clear();
        ShapeTool(bench.doc, bench, s.shape, {3, 3}, ToolPhase::RightRelease);
        EXPECT_TRUE(bench.calls.empty());
        EXPECT_EQ(bench.Bytes(bench.doc.currentLayer), preview);
    }
}

PointSet Outline(int left, int top, int right, int bottom) {
    PointSet points;
    for (const auto& p : Block(left, top, right, bottom))
        if (p.first == left || p.first == right || p.second == top || p.second == bottom)
            points.insert(p);
    return points;
}

TEST(ShapeTools, FinishedShapesInCanvasPixels) {
    const struct {
        const char* name;
        ShapeKind shape;
        float zoom;
        int penWidth;
        Point press, drag, release;
        PointSet drawn;
    } cases[] = {
        {"line dragged back to its press point",
         ShapeKind::Line,
         1.0f,
         3,
         {5, 5},
         {9, 9},
         {5, 5},
         Block(4, 4, 6, 6)},
        {"horizontal line", ShapeKind::Line, 1.0f, 1, {2, 3}, {2, 3}, {6, 3}, Block(2, 3, 6, 3)},
        {"rectangle on one pixel", ShapeKind::Rectangle, 1.0f, 1, {5, 5}, {9, 9}, {5, 5}, {{5, 5}}},
        {"rectangle outline only",
         ShapeKind::Rectangle,
         1.0f,
         1,
         {6, 5},
         {1, 1},
         {2, 2},
         Outline(2, 2, 6, 5)},
        {"ellipse one pixel wide", ShapeKind::Ellipse, 1.0f, 1, {5, 2}, {9, 9}, {6, 9}, {}},
        {"ellipse one pixel high", ShapeKind::Ellipse, 1.0f, 1, {2, 5}, {9, 9}, {12, 6}, {}},
        // No quarter correction: view 2 at zoom 2 is canvas pixel 1, where the pen sees 0.
        {"zoomed line", ShapeKind::Line, 2.0f, 1, {2, 2}, {2, 2}, {2, 2}, {{1, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ToolBench bench(20, 12, kWhite);
        bench.doc.zoom = c.zoom;
        bench.doc.zoomedWidth = static_cast<int>(20 * c.zoom);
        bench.doc.zoomedHeight = static_cast<int>(12 * c.zoom);
        bench.doc.penWidth = c.penWidth;
        ShapeTool(bench.doc, bench, c.shape, c.press, ToolPhase::LeftPress);
        ShapeTool(bench.doc, bench, c.shape, c.drag, ToolPhase::LeftDrag);
        ShapeTool(bench.doc, bench, c.shape, c.release, ToolPhase::LeftRelease);
        EXPECT_EQ(bench.PixelsOf(bench.doc.currentLayer, kInk), c.drawn);
        EXPECT_EQ(bench.PixelsOf(LayerStack::kDisplaySlot, kInk), c.drawn);
    }
}

// The ellipse fills the box from the press point to the pointer, whichever way it is dragged.
TEST(ShapeTools, EllipseIsInscribedInTheDraggedBox) {
    for (const auto& [press, release] :
         {std::pair{Point{4, 1}, Point{10, 5}}, std::pair{Point{10, 5}, Point{4, 1}}}) {
        ToolBench bench(20, 12, kWhite);
        ShapeTool(bench.doc, bench, ShapeKind::Ellipse, press, ToolPhase::LeftPress);
        ShapeTool(bench.doc, bench, ShapeKind::Ellipse, release, ToolPhase::LeftRelease);
        const PointSet drawn = bench.PixelsOf(bench.doc.currentLayer, kInk);
        ASSERT_FALSE(drawn.empty());
        int left = 99, top = 99, right = -1, bottom = -1;
        for (const auto& [x, y] : drawn) {
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
            EXPECT_TRUE(drawn.count({14 - x, 6 - y})) << "symmetric about (7, 3)";
        }
        EXPECT_EQ(left, 4);
        EXPECT_EQ(right, 10);
        EXPECT_EQ(top, 1);
        EXPECT_EQ(bottom, 5);
        EXPECT_FALSE(drawn.count({7, 3})) << "outline only";
    }
}

TEST(ShapeTools, ButtonsColoursRefusalsAndMask) {
    ToolBench bench(20, 12, kWhite);
    bench.doc.secondColour = kSecond;
    const int layer = bench.doc.currentLayer;

    // The right button draws in the second colour.
    ShapeTool(bench.doc, bench, ShapeKind::Line, {1, 1}, ToolPhase::RightPress);
    ShapeTool(bench.doc, bench, ShapeKind::Line, {3, 1}, ToolPhase::RightRelease);
    EXPECT_EQ(bench.PixelsOf(layer, kSecond), Block(1, 1, 3, 1));

    // Refused presses leave nothing pending and ask for nothing.
    bench.calls.clear();
    bench.doc.rightDragging = 1;
    ShapeTool(bench.doc, bench, ShapeKind::Line, {1, 1}, ToolPhase::LeftPress);
    bench.doc.rightDragging = 0;
    bench.doc.leftDragging = 1;
    ShapeTool(bench.doc, bench, ShapeKind::Line, {1, 1}, ToolPhase::RightPress);
    bench.doc.leftDragging = 0;
    ShapeTool(bench.doc, bench, ShapeKind::Line, {21, 1}, ToolPhase::LeftPress);
    ShapeTool(bench.doc, bench, ShapeKind::Line, {1, 13}, ToolPhase::LeftPress);
    EXPECT_EQ(bench.doc.pendingOp, 0);
    EXPECT_TRUE(bench.calls.empty());
    // The far edge itself is still on the canvas.
    ShapeTool(bench.doc, bench, ShapeKind::Line, {20, 12}, ToolPhase::LeftPress);
    EXPECT_EQ(bench.doc.pendingOp, 20);

    // A drag or release of another shape does not touch this one.
    const auto before = bench.Bytes(LayerStack::kDisplaySlot);
    ShapeTool(bench.doc, bench, ShapeKind::Ellipse, {5, 5}, ToolPhase::LeftDrag);
    ShapeTool(bench.doc, bench, ShapeKind::Rectangle, {5, 5}, ToolPhase::LeftRelease);
    EXPECT_EQ(bench.Bytes(LayerStack::kDisplaySlot), before);
    EXPECT_EQ(bench.doc.pendingOp, 20);

    // With the mask on, only the allowed columns change in the layer and in the display.
    bench.doc.pendingOp = pending::kNone;
    const SlotView mask = ViewOf(bench.Stack(), LayerStack::kMaskSlot, 0);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x)
            StorePixel(mask.At(x, y), x >= 5 ? 0xFFFFFF : 0x000000);
    bench.Stack().maskEnabled = 1;
    ShapeTool(bench.doc, bench, ShapeKind::Line, {2, 8}, ToolPhase::LeftPress);
    ShapeTool(bench.doc, bench, ShapeKind::Line, {9, 8}, ToolPhase::LeftRelease);
    EXPECT_EQ(bench.PixelsOf(layer, kInk), Block(5, 8, 9, 8));
    EXPECT_EQ(bench.PixelsOf(LayerStack::kDisplaySlot, kInk), Block(5, 8, 9, 8));
}

}  // namespace
}  // namespace daub
