#include <gtest/gtest.h>

#include <set>

#include "app/command_ids.h"
#include "document/colour.h"
#include "document/slot_view.h"
#include "document/undo_history.h"
#include "tests/app/app_fixture.h"

namespace daub {
namespace {

using test::RunningApp;

void Mouse(RunningApp& run, unsigned message, int x, int y) {
    run.platform.Send(run.MainHandle(), {message, 0, MakeLParam(x, y)});
}

std::set<std::pair<int, int>> PixelsOf(RunningApp& run, int slot, COLORREF colour) {
    const SlotView v = ViewOf(*run.Doc().layerStack, slot, 0);
    std::set<std::pair<int, int>> found;
    for (int y = 0; y < v.height; ++y)
        for (int x = 0; x < v.width; ++x)
            if (LoadPixel(v.At(x, y)) == colour) found.insert({x, y});
    return found;
}

TEST(MainWindowMouse, PenDragDrawsALineOfBlocksIntoLayerAndDisplay) {
    RunningApp run;
    run.New("20", "10");
    // The quarter correction puts view (2, 2) on canvas (1, 1).
    Mouse(run, wm::kLButtonDown, 4, 4);
    Mouse(run, wm::kMouseMove, 8, 4);
    Mouse(run, wm::kLButtonUp, 8, 4);
    const std::set<std::pair<int, int>> line = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}};
    EXPECT_EQ(PixelsOf(run, LayerStack::kFirstLayer, 0x000000), line);
    EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, 0x000000), line);
    EXPECT_EQ(run.Doc().leftDragging, 0);
    EXPECT_FALSE(run.platform.Capture());
    EXPECT_EQ(run.platform.Surface(run.MainHandle())->Pixel(2 + 3, 2 + 1), 0x000000u);
    EXPECT_EQ(UndoPosition(run.Doc()), 1);
    EXPECT_EQ(run.Doc().modified, 1);

    run.platform.PressKey(run.MainHandle(), 'Z', true);
    EXPECT_TRUE(PixelsOf(run, LayerStack::kFirstLayer, 0x000000).empty());
    EXPECT_TRUE(PixelsOf(run, LayerStack::kDisplaySlot, 0x000000).empty());
}

// The quarter correction: at zoom 1 the view position 1 still lies on canvas pixel 0.
TEST(MainWindowMouse, PressesMapWithTheQuarterCorrectionAndStopAtTheCanvasEdge) {
    RunningApp run;
    run.New("20", "10");
    const struct {
        int clientX, clientY;
        std::set<std::pair<int, int>> drawn;
    } cases[] = {
        {2, 2, {{0, 0}}}, {3, 3, {{0, 0}}},
        {4, 3, {{1, 0}}}, {22, 12, {}},  // view x 20 = zoomedWidth: still accepted
        {23, 5, {}},                     // one further: refused
        {-1, 5, {}},
    };
    for (const auto& c : cases) {
        run.Doc().modified = 0;
        FillBitmap(run.Doc().layerStack->Bitmap(LayerStack::kFirstLayer), 0xFFFFFF);
        Mouse(run, wm::kLButtonDown, c.clientX, c.clientY);
        Mouse(run, wm::kLButtonUp, c.clientX, c.clientY);
        if (c.clientX == 22) {
            EXPECT_EQ(run.Doc().modified, 1) << "the press at the edge is a stroke";
            continue;
        }
        EXPECT_EQ(PixelsOf(run, LayerStack::kFirstLayer, 0x000000), c.drawn) << c.clientX;
    }
}

TEST(MainWindowMouse, RightPenUsesTheSecondColourAndPickersCrossTheButtons) {
    RunningApp run;
    run.New("20", "10");
    run.Doc().rightTool = ToolKind::Pen;
    run.Doc().secondColour = 0x0000FF;
    Mouse(run, wm::kRButtonDown, 5, 5);
    Mouse(run, wm::kRButtonUp, 5, 5);
    EXPECT_EQ(PixelsOf(run, LayerStack::kFirstLayer, 0x0000FF),
              (std::set<std::pair<int, int>>{{2, 2}}));

    // Left picker on the red pixel: it becomes the right button's colour.
    run.Doc().leftTool = ToolKind::ColourPicker;
    run.Doc().secondColour = 0xFFFFFF;
    Mouse(run, wm::kLButtonDown, 5, 5);
    EXPECT_EQ(run.Main().satellites.infoWindow->values.colour, 0x0000FFu);
    Mouse(run, wm::kLButtonUp, 5, 5);
    EXPECT_EQ(run.Doc().secondColour, 0x0000FFu);
    EXPECT_EQ(run.Main().satellites.palette.rightColour, 0x0000FFu);
    EXPECT_EQ(UndoPosition(run.Doc()), 1);  // pickers take no snapshot
}

TEST(MainWindowMouse, BeforeAnyDocumentClicksDoNothing) {
    RunningApp run;
    Mouse(run, wm::kLButtonDown, 2, 2);
    Mouse(run, wm::kMouseMove, 3, 3);
    Mouse(run, wm::kLButtonUp, 3, 3);
    EXPECT_EQ(run.Doc().leftDragging, 0);
    EXPECT_EQ(run.Doc().modified, 0);
}

}  // namespace
}  // namespace daub

namespace daub {
namespace {

TEST(MainWindowMouse, BrushDabAndBlurReachLayerAndDisplayAndUndo) {
    test::RunningApp run;
    run.New("40", "30");
    run.Main().satellites.toolbox.leftTool = ToolKind::Brush;
    run.platform.Send(run.MainHandle(), {notify::kToolbox, 0, 0});
    Mouse(run, wm::kLButtonDown, 22, 17);
    Mouse(run, wm::kLButtonUp, 22, 17);
    const LayerStack& stack = *run.Doc().layerStack;
    const COLORREF centre = LoadPixel(ViewOf(stack, LayerStack::kFirstLayer, 0).At(20, 15));
    EXPECT_LT(RedOf(centre), 255) << "the dab darkens its centre";
    EXPECT_EQ(LoadPixel(ViewOf(stack, LayerStack::kDisplaySlot, 0).At(20, 15)), centre);
    EXPECT_EQ(LoadPixel(ViewOf(stack, LayerStack::kFirstLayer, 0).At(0, 0)), 0xFFFFFFu);
    EXPECT_EQ(UndoPosition(run.Doc()), 1);

    run.platform.SendCommand(run.MainHandle(), cmd::kBlur);
    EXPECT_EQ(UndoPosition(run.Doc()), 2);
    run.platform.PressKey(run.MainHandle(), 'Z', true);
    EXPECT_EQ(LoadPixel(ViewOf(stack, LayerStack::kFirstLayer, 0).At(20, 15)), centre);
}

}  // namespace
}  // namespace daub

namespace daub {
namespace {

using test::RunningApp;
using Pixels = std::set<std::pair<int, int>>;

constexpr COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF, kGreen = 0x00FF00;

// The scroll bar's thumb dropped at a position.
void ScrollTo(RunningApp& run, unsigned bar, int position) {
    constexpr std::uintptr_t kThumbPosition = 4;
    run.platform.Send(run.MainHandle(),
                      {bar, kThumbPosition | static_cast<std::uintptr_t>(position) << 16, 0});
}

void Click(RunningApp& run, bool left, int x, int y) {
    Mouse(run, left ? wm::kLButtonDown : wm::kRButtonDown, x, y);
    Mouse(run, left ? wm::kLButtonUp : wm::kRButtonUp, x, y);
}

// The cursors the window set while one message was handled.
std::vector<std::uintptr_t> CursorsOf(RunningApp& run, unsigned message, int x, int y) {
    const std::size_t before = run.platform.CursorHistory().size();
    Mouse(run, message, x, y);
    std::vector<std::uintptr_t> set;
    const auto& history = run.platform.CursorHistory();
    for (std::size_t i = before; i < history.size(); ++i)
        set.push_back(history[i].value);
    return set;
}

TEST(MainWindowMouse, CursorsFollowTheToolAndTheButton) {
    using C = std::vector<std::uintptr_t>;
    const struct {
        ToolKind tool;
        C leftPress, leftMove, rightPress;
    } cases[] = {
        {ToolKind::Mask, {125}, {125}, {138}},
        {ToolKind::ColourPicker, {125}, {125}, {125}},
        {ToolKind::RangeSelect, {127}, {127}, {}},
        {ToolKind::Fill, {}, {138}, {138}},
        {ToolKind::Zoom, {124}, {124}, {124}},
        {ToolKind::Pen, {121}, {}, {121}},
        {ToolKind::Eraser, {}, {}, {}},
        {ToolKind::Brush, {}, {}, {}},
        {ToolKind::Line, {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.tool));
        RunningApp run;
        run.New("40", "30");
        run.Doc().leftTool = run.Doc().rightTool = c.tool;
        EXPECT_EQ(CursorsOf(run, wm::kLButtonDown, 12, 12), c.leftPress);
        EXPECT_EQ(CursorsOf(run, wm::kMouseMove, 14, 12), c.leftMove);
        Mouse(run, wm::kLButtonUp, 14, 12);
        run.Doc().leftTool = c.tool;  // the mask tool hands the button back
        EXPECT_EQ(CursorsOf(run, wm::kRButtonDown, 12, 12), c.rightPress);
        // While the right button drags, the left tool's cursor is not put up.
        EXPECT_EQ(CursorsOf(run, wm::kMouseMove, 14, 12), C{});
        Mouse(run, wm::kRButtonUp, 14, 12);
    }
}

// Freehand tools record the layer at the press, shapes at the release, the right mask tool
// before it recolours; pickers, zoom and an idle range record nothing.
TEST(MainWindowMouse, OnlyChangingToolsTakeAnUndoStep) {
    const struct {
        ToolKind tool;
        int leftSteps, rightSteps;
    } cases[] = {
        {ToolKind::Pen, 1, 1},          {ToolKind::Eraser, 1, 1},     {ToolKind::Fill, 1, 1},
        {ToolKind::Brush, 1, 1},        {ToolKind::Spray, 1, 1},      {ToolKind::Line, 1, 1},
        {ToolKind::Rectangle, 1, 1},    {ToolKind::Ellipse, 1, 1},    {ToolKind::Mask, 0, 1},
        {ToolKind::ColourPicker, 0, 0}, {ToolKind::Zoom, 0, 0},       {ToolKind::RangeSelect, 0, 0},
        {ToolKind::NoTool1900, 0, 0},   {ToolKind::NoTool2500, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.tool));
        RunningApp left;
        left.New("40", "30");
        left.Doc().leftTool = c.tool;
        Click(left, true, 12, 12);
        EXPECT_EQ(UndoPosition(left.Doc()), c.leftSteps);

        // The left tool paints: a right press must look at its own tool.
        RunningApp right;
        right.New("40", "30");
        right.Doc().rightTool = c.tool;
        Click(right, false, 12, 12);
        EXPECT_EQ(UndoPosition(right.Doc()), c.rightSteps);
    }
}

TEST(MainWindowMouse, RightPickerSetsTheFirstColour) {
    RunningApp run;
    run.New("20", "10");
    StorePixel(ViewOf(*run.Doc().layerStack, LayerStack::kDisplaySlot, 0).At(2, 2), kRed);
    run.Doc().rightTool = ToolKind::ColourPicker;
    const COLORREF second = run.Doc().secondColour;
    Mouse(run, wm::kRButtonDown, 5, 5);
    EXPECT_EQ(run.Main().satellites.infoWindow->values.colour, kRed);
    EXPECT_EQ(run.Doc().drawColour, 0x000000u) << "taken at the release";
    Mouse(run, wm::kRButtonUp, 5, 5);
    EXPECT_EQ(run.Doc().drawColour, kRed);
    EXPECT_EQ(run.Main().satellites.palette.leftColour, kRed);
    EXPECT_EQ(run.Doc().secondColour, second);
}

// A floating range: the red 3 x 2 block lifted from canvas (2, 2) and moved to (12, 6).
void FloatRedBlock(RunningApp& run) {
    DocumentState& doc = run.Doc();
    const SlotView v = ViewOf(*doc.layerStack, doc.currentLayer, 0);
    for (int y = 2; y <= 3; ++y)
        for (int x = 2; x <= 4; ++x)
            StorePixel(v.At(x, y), kRed);
    run.Main().CompositeDocument();
    doc.leftTool = ToolKind::RangeSelect;
    Mouse(run, wm::kLButtonDown, 4, 4);
    Mouse(run, wm::kMouseMove, 7, 6);
    Mouse(run, wm::kLButtonUp, 7, 6);
    Mouse(run, wm::kLButtonDown, 5, 5);
    Mouse(run, wm::kMouseMove, 15, 9);
    Mouse(run, wm::kLButtonUp, 15, 9);
    ASSERT_EQ(doc.pendingOp, pending::kRangeFloating);
}

Pixels Block(int left, int top, int right, int bottom) {
    Pixels p;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            p.insert({x, y});
    return p;
}

TEST(MainWindowMouse, RightPressPutsAFloatingRangeDownWhateverTheRightTool) {
    for (const ToolKind tool : {ToolKind::ColourPicker, ToolKind::RangeSelect, ToolKind::Pen}) {
        SCOPED_TRACE(static_cast<int>(tool));
        RunningApp run;
        run.New("20", "10");
        run.Doc().rightTool = tool;
        run.Doc().secondColour = kGreen;
        FloatRedBlock(run);
        const int layer = run.Doc().currentLayer;
        ASSERT_TRUE(PixelsOf(run, layer, kRed).empty());
        Click(run, false, 20, 12);
        EXPECT_EQ(run.Doc().pendingOp, 0);
        EXPECT_EQ(PixelsOf(run, layer, kRed), Block(12, 6, 14, 7));
        EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kRed), Block(12, 6, 14, 7));
        // Then the tool acts as usual: the pen puts its dot on top, as a step of its own.
        const bool pen = tool == ToolKind::Pen;
        EXPECT_EQ(PixelsOf(run, layer, kGreen), (pen ? Pixels{{17, 9}} : Pixels{}));
        EXPECT_EQ(UndoPosition(run.Doc()), pen ? 2 : 1);
    }
}

// A right press refused (a range is selected, or it lies beyond the picture) leaves the
// whole right action without effect: nothing is painted unrecorded, nothing is picked.
TEST(MainWindowMouse, ARefusedRightPressMakesTheRightButtonIdleUntilItsRelease) {
    const ToolKind tools[] = {ToolKind::Pen,   ToolKind::Eraser, ToolKind::Brush,
                              ToolKind::Spray, ToolKind::Mask,   ToolKind::ColourPicker,
                              ToolKind::Fill,  ToolKind::Line};
    for (const bool rangeSelected : {true, false}) {
        for (const ToolKind tool : tools) {
            SCOPED_TRACE(static_cast<int>(tool));
            SCOPED_TRACE(rangeSelected ? "range selected" : "pressed beyond the picture");
            RunningApp run;
            run.New("20", "10");
            DocumentState& doc = run.Doc();
            StorePixel(ViewOf(*doc.layerStack, doc.currentLayer, 0).At(9, 3), kRed);
            run.Main().CompositeDocument();
            if (rangeSelected) {
                doc.leftTool = ToolKind::RangeSelect;
                Mouse(run, wm::kLButtonDown, 3, 3);
                Mouse(run, wm::kMouseMove, 8, 8);
                Mouse(run, wm::kLButtonUp, 8, 8);
                ASSERT_EQ(doc.pendingOp, pending::kRangeSelected);
            }
            doc.rightTool = tool;
            doc.secondColour = kGreen;
            const auto layerBefore = PixelsOf(run, doc.currentLayer, kWhite);
            Mouse(run, wm::kRButtonDown, rangeSelected ? 12 : 30, 5);
            Mouse(run, wm::kMouseMove, 11, 5);
            Mouse(run, wm::kMouseMove, 4, 8);
            Mouse(run, wm::kRButtonUp, 11, 5);
            EXPECT_EQ(PixelsOf(run, doc.currentLayer, kWhite), layerBefore);
            EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kWhite), layerBefore);
            EXPECT_EQ(UndoPosition(doc), 0);
            EXPECT_EQ(doc.drawColour, 0x000000u);
            EXPECT_EQ(doc.pendingOp, rangeSelected ? pending::kRangeSelected : 0);
            EXPECT_EQ(doc.rightDragging, 0);
            EXPECT_FALSE(run.platform.Capture());

            // Once the range is gone (choosing a tool ends it), the right button acts again.
            run.platform.Send(run.MainHandle(), {notify::kToolbox, 0, 0});
            ASSERT_EQ(doc.pendingOp, 0);
            Click(run, false, 11, 5);
            EXPECT_TRUE(UndoPosition(doc) > 0 || doc.drawColour != 0x000000u);
        }
    }
}

TEST(MainWindowMouse, InformationWindowShowsTheDragInCanvasPixelsWhereverTheViewIsScrolled) {
    RunningApp run;
    run.New("640", "400");
    run.platform.PressKey(run.MainHandle(), 0x22);  // zoom 2: 1280 x 800
    run.Doc().leftTool = ToolKind::Line;
    ScrollTo(run, wm::kVScroll, 0);
    for (const auto& [scroll, canvasX] : {std::pair{0, 60}, std::pair{101, 110}}) {
        SCOPED_TRACE(scroll);
        ScrollTo(run, wm::kHScroll, scroll);
        ASSERT_EQ(run.Doc().scrollX, scroll);
        Mouse(run, wm::kLButtonDown, 102, 52);
        Mouse(run, wm::kMouseMove, 123, 40);
        const InfoValues& info = run.Main().satellites.infoWindow->values;
        // View (100, 50) to (121, 38): (21 - 0.5) / 2 and (-12 - 0.5) / 2.
        EXPECT_EQ(info.w, 10);
        EXPECT_EQ(info.h, -6);
        EXPECT_EQ(info.x, canvasX);  // the pointer itself: trunc((121 + scroll - 0.5) / 2)
        EXPECT_EQ(info.y, 18);
        EXPECT_EQ(info.mode, pending::kLineDragged);
        Mouse(run, wm::kLButtonUp, 123, 40);
    }
}

// The pen maps with the quarter correction, the line tool without; both add the scroll.
TEST(MainWindowMouse, ZoomedAndScrolledClicksMapPerTool) {
    RunningApp run;
    run.New("640", "400");
    run.platform.PressKey(run.MainHandle(), 0x22);  // zoom 2
    ScrollTo(run, wm::kHScroll, 30);
    ScrollTo(run, wm::kVScroll, 20);
    ASSERT_EQ(run.Doc().scrollX, 30);
    ASSERT_EQ(run.Doc().scrollY, 20);
    const int layer = run.Doc().currentLayer;
    // View (10, 20) + scroll = (40, 40): the pen sees 39.5 / 2, the line 40 / 2.
    for (const auto& [tool, at] : {std::pair{ToolKind::Pen, 19}, std::pair{ToolKind::Line, 20}}) {
        SCOPED_TRACE(static_cast<int>(tool));
        FillBitmap(run.Doc().layerStack->Bitmap(layer), kWhite);
        run.Doc().leftTool = tool;
        Click(run, true, 12, 22);
        EXPECT_EQ(PixelsOf(run, layer, 0x000000), (Pixels{{at, at}}));
    }
}

}  // namespace
}  // namespace daub
