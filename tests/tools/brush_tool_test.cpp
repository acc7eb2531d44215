#include "tools/brush_tool.h"
#include "tools/tool_host.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/tools/stroke_document.h"

namespace daub {
namespace {

using test::PixelOf;

constexpr int kDisplay = LayerStack::kDisplaySlot, kLayer = LayerStack::kFirstLayer;
constexpr COLORREF kWhite = 0xFFFFFF;

COLORREF Grey(int v) {
    return MakeColour(v, v, v);
}

// How many pixels of the slot differ from the colour.
int Changed(const DocumentState& doc, int slot, COLORREF from) {
    int n = 0;
    for (int y = 0; y < doc.layerStack->Height(0); ++y)
        for (int x = 0; x < doc.layerStack->Width(0); ++x)
            n += PixelOf(doc, slot, x, y) != from;
    return n;
}

TEST(BrushTool, OneDabOfTheDefaultBrush) {
    DocumentState doc = test::StrokeDocument(60, 60, kWhite);
    doc.drawColour = 0x000000;
    doc.leftDragging = 1;
    EXPECT_TRUE(BrushTool(doc, 30, 30, ToolPhase::LeftPress));
    struct Case {
        int dx, dy;
        COLORREF want;
    };
    const Case cases[] = {
        {0, 0, Grey(255 - 176)},  // the centre weighs as much as a diagonal neighbour
        {1, 1, Grey(255 - 176)}, {1, 0, Grey(0)},       {0, -1, Grey(0)},
        {2, 0, Grey(255 - 62)},  {3, 4, Grey(255 - 4)}, {-6, 0, Grey(255 - 2)},
        {7, 0, Grey(255 - 1)},   {8, 0, kWhite},  // 500 / 512 is below one step
        {6, 8, kWhite},          {-10, 0, kWhite},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PixelOf(doc, kLayer, 30 + c.dx, 30 + c.dy), c.want) << c.dx << "," << c.dy;
        EXPECT_EQ(PixelOf(doc, kDisplay, 30 + c.dx, 30 + c.dy), c.want) << c.dx << "," << c.dy;
    }
    // Weights of one step or more reach to r < 500^(1/3), just under 8.
    int inside = 0;
    for (int dy = -10; dy <= 10; ++dy)
        for (int dx = -10; dx <= 10; ++dx)
            inside += 500.0 / std::pow(std::hypot(dx, dy), 3.0) >= 1.0 || (dx == 0 && dy == 0);
    EXPECT_EQ(Changed(doc, kLayer, kWhite), inside);
    EXPECT_EQ(Changed(doc, kDisplay, kWhite), inside);
}

TEST(BrushTool, ReadsThePictureAsShown) {
    // The layer holds red, the display shows white (as if an upper layer covered it): the
    // dab in the layer is computed from the white it shows.
    DocumentState doc = test::StrokeDocument(20, 20, kWhite);
    FillBitmap(doc.layerStack->Bitmap(kLayer), MakeColour(255, 0, 0));
    doc.drawColour = 0x000000;
    doc.leftDragging = 1;
    BrushTool(doc, 10, 10, ToolPhase::LeftPress);
    EXPECT_EQ(PixelOf(doc, kLayer, 12, 10), Grey(255 - 62));
    // Inside the brush a weight below one step still copies the shown pixel into the layer;
    // at the brush radius the layer keeps its own.
    EXPECT_EQ(PixelOf(doc, kLayer, 19, 10), kWhite);
    EXPECT_EQ(PixelOf(doc, kLayer, 10, 0), MakeColour(255, 0, 0));
}

TEST(BrushTool, PhasesAndRefusals) {
    struct Case {
        const char* name;
        ToolPhase phase;
        int leftDragging, rightDragging;
        ToolKind rightTool;
        int x, y;
        bool repaint;
        COLORREF painted;  // the colour that reaches the centre's neighbour, or white
    };
    constexpr COLORREF kDraw = 0x0000FF, kSecond = 0x00FF00;
    const ToolKind pick = ToolKind::ColourPicker, none = ToolKind::NoTool2500;
    const Case cases[] = {
        {"left press", ToolPhase::LeftPress, 1, 0, pick, 10, 10, true, kDraw},
        {"right press", ToolPhase::RightPress, 0, 1, pick, 10, 10, true, kSecond},
        {"left drag", ToolPhase::LeftDrag, 1, 0, pick, 10, 10, false, kDraw},
        {"right drag", ToolPhase::RightDrag, 0, 1, pick, 10, 10, false, kSecond},
        {"left release", ToolPhase::LeftRelease, 1, 0, pick, 10, 10, false, kWhite},
        {"right release", ToolPhase::RightRelease, 0, 1, pick, 10, 10, false, kWhite},
        {"left press while the right drags", ToolPhase::LeftPress, 1, 1, pick, 10, 10, false,
         kWhite},
        {"right press while the left drags", ToolPhase::RightPress, 1, 1, pick, 10, 10, false,
         kWhite},
        {"left press beyond the picture", ToolPhase::LeftPress, 1, 0, pick, 21, 10, false, kWhite},
        {"right press below the picture", ToolPhase::RightPress, 0, 1, pick, 10, 21, false, kWhite},
        {"press on the picture's far edge", ToolPhase::LeftPress, 1, 0, pick, 20, 20, true, kWhite},
        {"left drag without the left button", ToolPhase::LeftDrag, 0, 0, pick, 10, 10, false,
         kWhite},
        {"right drag without the right button", ToolPhase::RightDrag, 0, 0, pick, 10, 10, false,
         kWhite},
        {"left press with NoTool2500 on the right only repaints", ToolPhase::LeftPress, 1, 0, none,
         10, 10, true, kWhite},
        {"left drag with NoTool2500 on the right", ToolPhase::LeftDrag, 1, 0, none, 10, 10, false,
         kWhite},
        {"right press with NoTool2500 on the right", ToolPhase::RightPress, 0, 1, none, 10, 10,
         true, kSecond},
    };
    for (const Case& c : cases) {
        DocumentState doc = test::StrokeDocument(20, 20, kWhite);
        doc.drawColour = kDraw;
        doc.secondColour = kSecond;
        doc.leftDragging = c.leftDragging;
        doc.rightDragging = c.rightDragging;
        doc.rightTool = c.rightTool;
        EXPECT_EQ(BrushTool(doc, c.x, c.y, c.phase), c.repaint) << c.name;
        EXPECT_EQ(PixelOf(doc, kLayer, 11, 10), c.painted) << c.name;
        EXPECT_EQ(PixelOf(doc, kDisplay, 11, 10), c.painted) << c.name;
    }
}

TEST(BrushTool, ViewPositionsMapThroughZoomAndScroll) {
    struct Case {
        float zoom;
        int scrollX, scrollY, x, y;
        int cx, cy;
    };
    const Case cases[] = {
        {1.0f, 0, 0, 10, 12, 10, 12},
        {2.0f, 10, 4, 31, 20, 20, 12},  // (31 + 10) / 2 = 20.5
        {4.0f, 0, 0, -3, 7, 0, 1},      // truncation toward zero, also left of the canvas
        {0.5f, 0, 0, 9, 5, 18, 10},
        {0.1f, 0, 0, 3, 2, 30, 20},  // float arithmetic, as the zoom is a float
    };
    for (const Case& c : cases) {
        DocumentState doc;
        doc.zoom = c.zoom;
        doc.scrollX = c.scrollX;
        doc.scrollY = c.scrollY;
        const Point p = ToolCanvasPoint(doc, {c.x, c.y});
        EXPECT_EQ(p.x, c.cx) << c.zoom << " " << c.x;
        EXPECT_EQ(p.y, c.cy) << c.zoom << " " << c.y;
    }

    DocumentState doc = test::StrokeDocument(40, 40, kWhite);
    doc.zoom = 2.0f;
    doc.scrollX = 10;
    doc.zoomedWidth = doc.zoomedHeight = 80;
    doc.drawColour = 0x000000;
    doc.leftDragging = 1;
    BrushTool(doc, 31, 20, ToolPhase::LeftDrag);
    EXPECT_EQ(PixelOf(doc, kLayer, 21, 10), Grey(0));  // right neighbour of (20, 10)
    EXPECT_EQ(PixelOf(doc, kLayer, 20, 12), Grey(255 - 62));
}

TEST(BrushTool, EdgesAndMaskLimitTheDab) {
    DocumentState doc = test::StrokeDocument(5, 5, kWhite);
    doc.drawColour = 0x000000;
    doc.leftDragging = 1;
    LayerStack& stack = *doc.layerStack;
    FillBitmap(stack.Bitmap(LayerStack::kMaskSlot), 0xFFFFFF);
    StorePixel(ViewOf(stack, LayerStack::kMaskSlot, 0).At(1, 0), 0x000000);
    stack.maskEnabled = 1;
    BrushTool(doc, 0, 0, ToolPhase::LeftDrag);
    EXPECT_EQ(PixelOf(doc, kLayer, 1, 0), kWhite);
    EXPECT_EQ(PixelOf(doc, kLayer, 0, 1), Grey(0));
    EXPECT_EQ(PixelOf(doc, kDisplay, 0, 1), Grey(0));
    EXPECT_EQ(PixelOf(doc, kLayer, 4, 4), Grey(255 - 2));  // r = 5.66: 500 / 181 = 2.76

    DocumentState empty;
    empty.leftDragging = 1;
    EXPECT_FALSE(BrushTool(empty, 0, 0, ToolPhase::LeftPress));  // no layer stack at all
}

}  // namespace
}  // namespace daub
