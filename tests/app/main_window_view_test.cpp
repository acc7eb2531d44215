#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "document/composite.h"
#include "document/slot_view.h"
#include "document/undo_history.h"
#include "files/undo_files.h"
#include "tests/app/app_fixture.h"
#include "tests/files/bmp_test_support.h"

namespace daub {
namespace {

using test::RunningApp;

constexpr int kVkNext = 0x22, kVkPrior = 0x21, kVkAdd = 0x6B;
constexpr int kSbBottom = 7;

COLORREF ShownAt(RunningApp& run, int x, int y) {
    return run.platform.Surface(run.MainHandle())->Pixel(x, y);
}

TEST(MainWindowView, NewShowsTheCanvasAtTheMarginOnGrey) {
    RunningApp run;
    run.New("40", "30");
    EXPECT_EQ(ShownAt(run, 2, 2), 0xFFFFFFu);
    EXPECT_EQ(ShownAt(run, 41, 31), 0xFFFFFFu);
    EXPECT_EQ(ShownAt(run, 1, 1), 0x969696u);
    EXPECT_EQ(ShownAt(run, 42, 2), 0x969696u);
    EXPECT_EQ(run.Doc().zoomedWidth, 40);
    EXPECT_EQ(run.Record(run.MainHandle()).scrollBars[sb::kHorz].max, 42);
    // The layer image window shows the white layer, centred and not enlarged.
    const HeadlessSurface* view = run.platform.Surface(run.Main().satellites.viewWindow->Handle());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Pixel(100, 100), 0xFFFFFFu);
}

// Each key is one step: 1, 2, 4.
TEST(MainWindowView, PageDownTwiceZoomsToFourWithScrollBars) {
    RunningApp run;
    run.New("640", "400");
    StorePixel(ViewOf(*run.Doc().layerStack, 0, 0).At(1, 0), 0x0000FF);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(run.platform.PressKey(run.MainHandle(), kVkNext), KeyOutcome::kKeyDown);
    EXPECT_EQ(run.Doc().zoom, 4.0f) << run.Doc().scrollX << "," << run.Doc().scrollY;
    EXPECT_EQ(run.Doc().zoomedWidth, 2560);
    EXPECT_EQ(run.Main().satellites.infoWindow->values.zoom, 4.0f);
    const HeadlessWindow& main = run.Record(run.MainHandle());
    EXPECT_EQ(main.scrollBars[sb::kHorz].max, 2562);
    EXPECT_EQ(main.scrollBars[sb::kVert].max, 1602);
    EXPECT_EQ(main.scrollBars[sb::kHorz].page, 680u);

    // Back to the origin: each canvas pixel is a 4 x 4 block from (2, 2).
    run.platform.Send(run.MainHandle(), {wm::kHScroll, 6, 0});
    run.platform.Send(run.MainHandle(), {wm::kVScroll, 6, 0});
    EXPECT_EQ(run.Doc().scrollX, 0);
    EXPECT_EQ(ShownAt(run, 5, 5), 0xFFFFFFu);
    EXPECT_EQ(ShownAt(run, 6, 2), 0x0000FFu);
    EXPECT_EQ(ShownAt(run, 9, 5), 0x0000FFu);
    EXPECT_EQ(ShownAt(run, 10, 5), 0xFFFFFFu);

    run.platform.PressKey(run.MainHandle(), kVkPrior);
    EXPECT_EQ(run.Doc().zoom, 2.0f);
    run.platform.PressKey(run.MainHandle(), kVkAdd);
    EXPECT_EQ(run.Doc().zoom, 4.0f) << run.Doc().scrollX << "," << run.Doc().scrollY;
}

TEST(MainWindowView, ScrollingToTheEndLeavesGreyAtTheFarEdge) {
    RunningApp run;
    run.New("640", "400");
    run.platform.PressKey(run.MainHandle(), kVkNext);  // zoom 2: 1280 x 800
    run.platform.Send(run.MainHandle(), {wm::kVScroll, kSbBottom, 0});
    const int limit = 800 - 480 + 7;
    EXPECT_EQ(run.Doc().scrollY, limit);
    EXPECT_EQ(run.Record(run.MainHandle()).scrollBars[sb::kVert].pos, limit);
    for (int y = 476; y < 480; ++y)
        EXPECT_EQ(ShownAt(run, 100, y), 0x969696u) << y;
    EXPECT_EQ(ShownAt(run, 100, 470), 0xFFFFFFu);
}

std::uintptr_t Wheel(int delta, int keys = 0) {
    return (static_cast<std::uintptr_t>(static_cast<std::uint16_t>(delta)) << 16) |
           static_cast<std::uintptr_t>(keys);
}

// A notch is a line of the view's scroll: down or right for a turn towards the user, across
// with Shift; parts of a notch add up.
TEST(MainWindowView, TheWheelScrollsALineANotch) {
    struct Case {
        const char* name;
        std::vector<int> deltas;
        int keys;
        int dx, dy;
    } cases[] = {
        {"down", {-120}, 0, 0, 2},
        {"up", {120}, 0, 0, -2},
        {"shift across", {-120}, mk::kShift, 2, 0},
        {"half notches add up", {-60, -60}, 0, 0, 2},
    };
    for (const Case& c : cases) {
        RunningApp run;
        run.New("640", "400");
        run.platform.PressKey(run.MainHandle(), kVkNext);  // zoom 2: lines of 2 pixels
        const int x = run.Doc().scrollX, y = run.Doc().scrollY;
        for (int delta : c.deltas)
            run.platform.Send(run.MainHandle(), {wm::kMouseWheel, Wheel(delta, c.keys), 0});
        EXPECT_EQ(run.Doc().scrollX - x, c.dx) << c.name;
        EXPECT_EQ(run.Doc().scrollY - y, c.dy) << c.name;
    }
}

// Ctrl+wheel steps the zoom like the zoom keys, and the canvas pixel shown under the pointer
// stays under it at every step, in and out, wherever the picture still scrolls. Every
// pixel's colour is its own position, so the screen tells which one is shown.
TEST(MainWindowView, CtrlWheelKeepsTheShownPixelUnderThePointer) {
    RunningApp run;
    run.New("2000", "1500");
    const SlotView display = ViewOf(*run.Doc().layerStack, LayerStack::kDisplaySlot, 0);
    for (int y = 0; y < 1500; ++y)
        for (int x = 0; x < 2000; ++x)
            StorePixel(display.At(x, y), static_cast<COLORREF>(x | y << 12));
    run.platform.Send(run.MainHandle(), {wm::kHScroll, 4 | 700u << 16, 0});
    run.platform.Send(run.MainHandle(), {wm::kVScroll, 4 | 500u << 16, 0});
    const PixelRect window = run.platform.WindowRect(run.MainHandle());
    const int px = 331, py = 237;
    const std::intptr_t lParam = MakeLParam(window.left + px, window.top + py);
    const float steps[] = {2, 4, 6, 8, 6, 4, 2, 1, 0.5f, 0.25f, 0.1f};
    for (float zoom : steps) {
        const COLORREF before = ShownAt(run, px, py);
        const int keys = mk::kControl;
        run.platform.Send(
            run.MainHandle(),
            {wm::kMouseWheel, Wheel(zoom > run.Doc().zoom ? 120 : -120, keys), lParam});
        ASSERT_EQ(run.Doc().zoom, zoom);
        if (run.Doc().zoomedWidth + 2 <= 680 || run.Doc().zoomedHeight + 2 <= 480) continue;
        // Shrunk, the screen ANDs the block of pixels it shows as one: the pointer's pixel
        // must be one of them.
        const COLORREF shown = ShownAt(run, px, py);
        EXPECT_EQ(zoom < 1 ? shown & before : before, shown) << "zoom " << zoom;
    }
}

// A change as the tools make it: a snapshot, then the new pixels in layer and display.
void Paint(RunningApp& run, COLORREF colour) {
    test::RecordingSink sink;
    ASSERT_TRUE(Snapshot(run.Doc(), SnapshotKind::Always, sink));
    LayerStack& stack = *run.Doc().layerStack;
    StorePixel(ViewOf(stack, run.Doc().currentLayer, 0).At(3, 3), colour);
    Composite(stack, run.Doc().transparentColour, run.Doc().lastLayer, -1, 0, 0);
}

COLORREF LayerPixel(RunningApp& run) {
    return LoadPixel(ViewOf(*run.Doc().layerStack, run.Doc().currentLayer, 0).At(3, 3));
}

TEST(MainWindowView, CtrlZAndCtrlYGoThroughTheLayersHistory) {
    RunningApp run;
    run.New("20", "10");
    Paint(run, 0x0000FF);
    Paint(run, 0x00FF00);
    EXPECT_TRUE(run.Item(1, cmd::kUndo).enabled);
    EXPECT_EQ(run.platform.PressKey(run.MainHandle(), 'Z', true), KeyOutcome::kCommand);
    EXPECT_EQ(LayerPixel(run), 0x0000FFu);
    EXPECT_EQ(ShownAt(run, 5, 5), 0x0000FFu);
    run.platform.PressKey(run.MainHandle(), 'Z', true);
    EXPECT_EQ(LayerPixel(run), 0xFFFFFFu);
    EXPECT_FALSE(run.Item(1, cmd::kUndo).enabled);
    EXPECT_EQ(run.platform.PressKey(run.MainHandle(), 'Z', true), KeyOutcome::kSuppressed);
    run.platform.PressKey(run.MainHandle(), 'Y', true);
    run.platform.PressKey(run.MainHandle(), 'Y', true);
    EXPECT_EQ(LayerPixel(run), 0x00FF00u);
    EXPECT_EQ(ShownAt(run, 5, 5), 0x00FF00u);
    EXPECT_FALSE(run.Item(1, cmd::kRedo).enabled);
    EXPECT_TRUE(run.platform.MessageBoxes().empty());
}

TEST(MainWindowView, UndoPutsAFloatingRangeDownFirst) {
    RunningApp run;
    run.New("20", "10");
    Paint(run, 0x0000FF);  // taken when the range started to float
    LayerStack& stack = *run.Doc().layerStack;
    stack.DefineFormat(4, 2, 2);
    stack.CreateSlotBitmap(LayerStack::kRangeSlot, stack.Format(4));
    FillBitmap(stack.Bitmap(LayerStack::kRangeSlot), 0x00FF00);
    run.Doc().pendingOp = pending::kRangeFloating;
    run.Doc().selection = {10, 5, 2, 2};
    run.platform.SendCommand(run.MainHandle(), cmd::kUndo);
    EXPECT_EQ(run.Doc().pendingOp, pending::kNone);
    // The layer is as before the snapshot: the range went in and came out with the undo.
    const SlotView layer = ViewOf(stack, run.Doc().currentLayer, 0);
    EXPECT_EQ(LoadPixel(layer.At(10, 5)), 0xFFFFFFu);
    EXPECT_EQ(LoadPixel(layer.At(3, 3)), 0xFFFFFFu);
}

TEST(MainWindowView, ReopenedLayerImageWindowStandsFurtherRight) {
    RunningApp run;
    run.platform.Send(run.Main().satellites.viewWindow->Handle(), {wm::kClose, 0, 0});
    run.platform.ChooseMenuItem(run.MainHandle(), cmd::kShowLayerImage);
    EXPECT_EQ(run.Record(run.Main().satellites.viewWindow->Handle()).rect,
              (PixelRect{640, 40, 840, 240}));
    const WindowHandle second = run.Main().satellites.viewWindow->Handle();
    run.platform.ChooseMenuItem(run.MainHandle(), cmd::kShowLayerImage);
    EXPECT_EQ(run.Main().satellites.viewWindow->Handle(), second);  // already shown: nothing new
}

}  // namespace
}  // namespace daub
