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
    EXPECT_EQ(run.Main().infoWindow->values.colour, 0x0000FFu);
    Mouse(run, wm::kLButtonUp, 5, 5);
    EXPECT_EQ(run.Doc().secondColour, 0x0000FFu);
    EXPECT_EQ(run.Main().palette.rightColour, 0x0000FFu);
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
    run.Main().toolbox.leftTool = ToolKind::Brush;
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
