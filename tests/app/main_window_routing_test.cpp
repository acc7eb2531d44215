// The main window's routing of keys, popups, capture and tools, and what it keeps safe.
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "document/slot_view.h"
#include "platform/message_box.h"
#include "tests/app/app_fixture.h"

namespace daub {
namespace {

using test::RunningApp;

constexpr COLORREF kBlack = 0x000000, kRed = 0x0000FF;

void Mouse(RunningApp& run, unsigned message, int x, int y) {
    run.platform.Send(run.MainHandle(), {message, 0, MakeLParam(x, y)});
}

void ChooseLeftTool(RunningApp& run, ToolKind tool) {
    run.Main().satellites.toolbox.leftTool = tool;
    run.platform.Send(run.MainHandle(), {0x0400 + 1, 0, 0});
}

COLORREF LayerPixel(RunningApp& run, int x, int y) {
    return LoadPixel(ViewOf(*run.Doc().layerStack, LayerStack::kFirstLayer, 0).At(x, y));
}

// At zoom 4 a drag of three view pixels covers no canvas pixel: no range is left behind to
// lift, float or copy, whatever the range slot held before.
TEST(MainWindowRouting, ARangeEmptyInCanvasPixelsLeavesNoRange) {
    RunningApp run;
    run.New("40", "40");
    StorePixel(ViewOf(*run.Doc().layerStack, LayerStack::kFirstLayer, 0).At(3, 3), kRed);
    ChooseLeftTool(run, ToolKind::RangeSelect);
    Mouse(run, wm::kLButtonDown, 2, 2);  // a first range over the red pixel fills the slot
    Mouse(run, wm::kMouseMove, 12, 12);
    Mouse(run, wm::kLButtonUp, 12, 12);
    ASSERT_EQ(run.Doc().pendingOp, pending::kRangeSelected);
    run.platform.PressKey(run.MainHandle(), 0x22);  // Page Down twice: zoom 4
    run.platform.PressKey(run.MainHandle(), 0x22);
    ASSERT_EQ(run.Doc().zoom, 4.0f);
    Mouse(run, wm::kLButtonDown, 82, 82);
    Mouse(run, wm::kMouseMove, 85, 85);
    Mouse(run, wm::kLButtonUp, 85, 85);
    EXPECT_EQ(run.Doc().pendingOp, pending::kNone);
    EXPECT_EQ(run.Main().Info().values.mode, 0);
    Mouse(run, wm::kLButtonDown, 83, 83);  // a press where the range was lifts nothing
    Mouse(run, wm::kLButtonUp, 83, 83);
    EXPECT_EQ(LayerPixel(run, 3, 3), kRed);
    EXPECT_NE(run.Doc().pendingOp, pending::kRangeFloating);
}

// New makes every slot before it replaces one: without the memory the picture stays.
TEST(MainWindowRouting, NewWithoutTheMemoryKeepsThePicture) {
    RunningApp run;
    run.New("30", "20");
    StorePixel(ViewOf(*run.Doc().layerStack, LayerStack::kFirstLayer, 0).At(1, 1), kRed);
    const std::size_t limit = LayerStack::AllocationLimit();
    LayerStack::AllocationLimit() = 100000;
    run.New("200", "200");  // 120000 bytes a slot
    LayerStack::AllocationLimit() = limit;
    ASSERT_FALSE(run.platform.MessageBoxes().empty());
    EXPECT_EQ(run.platform.MessageBoxes().back().caption, "エラー");
    EXPECT_TRUE(run.Doc().HasDocument());
    EXPECT_EQ(run.Doc().layerStack->Width(0), 30);
    EXPECT_EQ(LayerPixel(run, 1, 1), kRed);
}

// Losing the capture mid-stroke ends it: the pen no longer follows a pointer whose button
// is up, and a shape being dragged out leaves no band on the screen.
TEST(MainWindowRouting, ALostCaptureEndsTheDrag) {
    struct Case {
        ToolKind tool;
        int pendingAfter;
    } cases[] = {{ToolKind::Pen, pending::kNone}, {ToolKind::Line, pending::kNone}};
    for (const Case& c : cases) {
        RunningApp run;
        run.New("40", "40");
        ChooseLeftTool(run, c.tool);
        Mouse(run, wm::kLButtonDown, 4, 4);
        Mouse(run, wm::kMouseMove, 10, 4);
        run.platform.Send(run.MainHandle(), {wm::kCaptureChanged, 0, 0});
        Mouse(run, wm::kMouseMove, 30, 30);
        EXPECT_EQ(run.Doc().leftDragging, 0);
        EXPECT_EQ(run.Doc().pendingOp, c.pendingAfter);
        EXPECT_EQ(LoadPixel(ViewOf(*run.Doc().layerStack, 0, 0).At(28, 28)), 0xFFFFFFu);
        EXPECT_EQ(LoadPixel(ViewOf(*run.Doc().layerStack, 0, 0).At(5, 1)),
                  c.tool == ToolKind::Pen ? kBlack : 0xFFFFFFu);
    }
}

// The snapshot that cannot be written says so before the mouse is captured.
TEST(MainWindowRouting, ASnapshotMessageNeverOpensWithTheMouseCaptured) {
    RunningApp run;
    run.New("20", "20");
    run.Doc().workDirectory = "/nonexistent-daubix-folder/";
    Mouse(run, wm::kLButtonDown, 4, 4);
    ASSERT_FALSE(run.platform.MessageBoxes().empty());
    EXPECT_FALSE(run.platform.MessageBoxes().back().capture);
    EXPECT_TRUE(run.platform.Capture()) << "the stroke goes on after the message";
    Mouse(run, wm::kLButtonUp, 4, 4);
}

// The window's system menu opens with its items as the platform left them.
TEST(MainWindowRouting, TheSystemMenuIsLeftToThePlatform) {
    RunningApp run;
    const MenuHandle file = run.platform.SubMenu(run.Main().menu, 0);
    run.platform.Send(run.MainHandle(), {wm::kInitMenuPopup, file.value, MakeLParam(0, 1)});
    EXPECT_TRUE(run.platform.MenuItem(run.MainHandle(), cmd::kSaveBitmapAs)->enabled);
    run.platform.Send(run.MainHandle(), {wm::kInitMenuPopup, file.value, MakeLParam(0, 0)});
    EXPECT_FALSE(run.platform.MenuItem(run.MainHandle(), cmd::kSaveBitmapAs)->enabled);
}

// Keys the window and its tools do not take go on to the default handling.
TEST(MainWindowRouting, UnknownKeysReachTheDefaultHandling) {
    RunningApp run;
    run.New("20", "20");
    EXPECT_FALSE(run.Main().HandleMessage({wm::kKeyDown, 'Q', 0}).has_value());
    EXPECT_FALSE(run.Main().HandleMessage({wm::kKeyDown, 0x70, 0}).has_value());  // F1
    EXPECT_TRUE(run.Main().HandleMessage({wm::kKeyDown, 0x22, 0}).has_value());   // Page Down
}

// The zoom tool steps in with the left button and out with the right, around the point
// clicked.
TEST(MainWindowRouting, TheZoomToolStepsAroundThePointClicked) {
    RunningApp run;
    run.New("1000", "1000");
    ChooseLeftTool(run, ToolKind::Zoom);
    Mouse(run, wm::kLButtonDown, 42, 32);
    Mouse(run, wm::kLButtonUp, 42, 32);
    EXPECT_EQ(run.Doc().zoom, 2.0f);
    // Canvas (40, 30) stays under view (40, 30).
    EXPECT_EQ(run.Doc().scrollX, 40);
    EXPECT_EQ(run.Doc().scrollY, 30);
    Mouse(run, wm::kRButtonDown, 42, 32);
    Mouse(run, wm::kRButtonUp, 42, 32);
    run.Doc().rightTool = ToolKind::Zoom;
    EXPECT_EQ(run.Doc().zoom, 2.0f) << "the right tool is the picker";
    Mouse(run, wm::kRButtonDown, 42, 32);
    Mouse(run, wm::kRButtonUp, 42, 32);
    EXPECT_EQ(run.Doc().zoom, 1.0f);
    EXPECT_EQ(run.Doc().scrollX, 0);
}

}  // namespace
}  // namespace daub
