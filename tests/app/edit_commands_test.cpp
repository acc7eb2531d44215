// The range commands of the edit menu and the clipboard, driven as the user drives them.
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "tests/app/layer_scene.h"
#include "tools/slot_fill.h"

namespace daub {
namespace {

using test::LayerScene;
using test::RunningApp;
using Picture = Platform::ClipboardPicture;

constexpr COLORREF kWhite = 0xFFFFFF, kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;
constexpr COLORREF kKey = 0xF0E7DF;  // (223, 231, 240), see-through
constexpr int kPageUp = 0x21, kPageDown = 0x22;

COLORREF Pixel(RunningApp& run, int slot, int x, int y) {
    return LoadPixel(ViewOf(*run.Doc().layerStack, slot, 0).At(x, y));
}
void Paint(RunningApp& run, int slot, Rect r, COLORREF colour) {
    FillSlotRect(*run.Doc().layerStack, colour, slot, r.x, r.y, r.width, r.height, 0);
    run.Main().CompositeDocument();
}
void Drag(RunningApp& run, Point from, Point to, bool left = true) {
    const unsigned down = left ? wm::kLButtonDown : wm::kRButtonDown;
    run.platform.Send(run.MainHandle(), {down, 0, MakeLParam(from.x, from.y)});
    run.platform.Send(run.MainHandle(), {wm::kMouseMove, 0, MakeLParam(to.x, to.y)});
    run.platform.Send(run.MainHandle(), {down + 1, 0, MakeLParam(to.x, to.y)});
}
void PutDown(RunningApp& run) {  // a right click puts a floating range down
    Drag(run, {4, 4}, {4, 4}, false);
}
void ChooseRangeTool(RunningApp& run) {
    run.Main().satellites.toolbox.leftTool = ToolKind::RangeSelect;
    run.platform.Send(run.MainHandle(), {wm::kUser + 1, 0, 0});
}
Picture Solid(int width, int height, COLORREF colour) {
    Picture p{width, height, std::vector<std::uint8_t>(RowStride(width) * height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            StorePixel(&p.bits[RowStride(width) * y + 3 * x], colour);
    return p;
}
COLORREF At(const Picture& p, int x, int y) {
    return LoadPixel(&p.bits[LayerStack::PixelOffset(RowStride(p.width), p.height, x, y)]);
}
int UndoPosition(RunningApp& run) {
    return run.Doc().undoPosition[run.Doc().layerIds[run.Doc().currentLayer]];
}

// At zoom 2 the range dragged over view (10, 10) to (31, 21) is canvas (5, 5, 10, 5). Copy
// takes the green of the upper layer that covers it; lifting it moves the edited layer only.
TEST(EditCommands, CopyTakesWhatIsSeenWhileLiftingMovesOnlyTheEditedLayer) {
    LayerScene scene;
    RunningApp& run = scene.run;
    run.New("40", "30");
    scene.AddLayers(1);
    scene.SelectRow(0);
    Paint(run, 5, {5, 5, 10, 5}, kRed);
    Paint(run, 6, {7, 5, 2, 5}, kGreen);
    run.platform.PressKey(run.MainHandle(), kPageDown);
    ChooseRangeTool(run);
    Drag(run, {12, 12}, {33, 23});
    run.platform.SendCommand(run.MainHandle(), cmd::kCopy);
    const Picture& copied = *run.kernel.clipboard;
    ASSERT_EQ(copied.width * 100 + copied.height, 1005);
    EXPECT_EQ(At(copied, 0, 0), kRed);
    EXPECT_EQ(At(copied, 2, 4), kGreen);

    Drag(run, {22, 17}, {32, 17});  // five canvas pixels to the right
    PutDown(run);
    EXPECT_EQ(Pixel(run, 5, 7, 5), kKey) << "the hole lifting left";
    EXPECT_EQ(Pixel(run, 5, 12, 5), kRed) << "not the upper layer's green";
    EXPECT_EQ(Pixel(run, 6, 12, 5), kKey) << "nor is the green moved";
}

// Scrolled at zoom 2 to canvas (10, 5): select all still copies exactly the canvas, and the
// paste floats at (10, 5), its key-coloured pixel showing what is beneath, also once put down.
TEST(EditCommands, SelectAllWhileScrolledAndPasteAtTheViewsCorner) {
    RunningApp run;
    run.New("400", "300");
    Paint(run, 5, {1, 0, 1, 1}, kKey);
    Paint(run, 5, {11, 5, 1, 1}, kBlue);
    Paint(run, 5, {399, 299, 1, 1}, kRed);
    run.platform.PressKey(run.MainHandle(), kPageDown);
    run.platform.Send(run.MainHandle(), {wm::kHScroll, 4 | 20 << 16, 0});  // thumb at 20
    run.platform.Send(run.MainHandle(), {wm::kVScroll, 4 | 10 << 16, 0});
    run.platform.SendCommand(run.MainHandle(), cmd::kSelectAll);
    run.platform.SendCommand(run.MainHandle(), cmd::kCopy);
    ASSERT_EQ(run.kernel.clipboard->width * 1000 + run.kernel.clipboard->height, 400300);
    EXPECT_EQ(At(*run.kernel.clipboard, 399, 299), kRed);

    run.Main().satellites.toolbox.leftTool = ToolKind::Pen;
    const int undoBefore = UndoPosition(run);
    run.platform.SendCommand(run.MainHandle(), cmd::kPaste);
    EXPECT_EQ(run.Main().satellites.toolbox.leftTool, ToolKind::RangeSelect);
    EXPECT_EQ(Pixel(run, 0, 21, 10), kBlue) << "the picture's (11, 5)";
    EXPECT_EQ(Pixel(run, 0, 11, 5), kBlue) << "beneath the key colour";
    // Deleted while it floats, it leaves the layer as before, one undo step further.
    run.platform.SendCommand(run.MainHandle(), cmd::kDeleteRange);
    EXPECT_EQ(UndoPosition(run), undoBefore + 1);
    EXPECT_EQ(Pixel(run, 0, 21, 10), kWhite);
    EXPECT_EQ(Pixel(run, 5, 21, 10), kWhite);
    run.platform.SendCommand(run.MainHandle(), cmd::kPaste);
    PutDown(run);
    EXPECT_EQ(Pixel(run, 5, 21, 10), kBlue);
    EXPECT_EQ(Pixel(run, 5, 11, 5), kBlue);
}

// A fixed range (2..7) over a white bottom layer, under a green square (4..9) on the upper
// one: cleared in the edited layer, the display shows what is left below.
TEST(EditCommands, DeleteRangeClearsTheEditedLayer) {
    const struct {
        int row;
        COLORREF display55, display33;
    } cases[] = {{0, kGreen, kKey}, {1, kWhite, kWhite}};
    for (const auto& c : cases) {
        LayerScene scene;
        RunningApp& run = scene.run;
        run.New("40", "30");
        scene.AddLayers(1);
        scene.SelectRow(c.row);
        Paint(run, 6, {4, 4, 6, 6}, kGreen);
        ChooseRangeTool(run);
        Drag(run, {4, 4}, {10, 10});
        run.platform.SendCommand(run.MainHandle(), cmd::kDeleteRange);
        EXPECT_EQ(run.Doc().pendingOp, pending::kNone);
        EXPECT_EQ(Pixel(run, 5 + c.row, 5, 5), kKey);
        EXPECT_EQ(Pixel(run, 0, 5, 5), c.display55) << c.row;
        EXPECT_EQ(Pixel(run, 0, 3, 3), c.display33) << c.row;
    }
}

// At zoom 0.1 a 15 x 9 picture floats 1 x 0 view pixels large; scaled back, that lost five
// columns in the copy and every row where it was put down.
TEST(EditCommands, AFloatingPictureIsCopiedAndPutDownWholeBelowZoom1) {
    RunningApp run;
    run.New("100", "100");
    for (int i = 0; i < 3; ++i)
        run.platform.PressKey(run.MainHandle(), kPageUp);
    run.kernel.clipboard = Solid(15, 9, kBlue);
    run.platform.SendCommand(run.MainHandle(), cmd::kPaste);
    run.kernel.clipboard.reset();
    run.platform.SendCommand(run.MainHandle(), cmd::kCopy);
    ASSERT_TRUE(run.kernel.clipboard);
    EXPECT_EQ(run.kernel.clipboard->width * 100 + run.kernel.clipboard->height, 1509);
    PutDown(run);
    EXPECT_EQ(Pixel(run, 5, 14, 8), kBlue);
}

// A picture that cannot be had whole is refused with a message and changes nothing: the
// range selected before stays. A copy without the memory leaves the clipboard as it was.
TEST(EditCommands, WhatCannotBeHadWholeIsRefusedWithAMessage) {
    const char* tooLarge = "画像が大きすぎるため、貼り付けできませんでした。";
    const struct {
        int command;
        Picture clipboard;
        std::size_t memory;
        const char* message;
    } cases[] = {
        {cmd::kPaste, Solid(40000, 1, kBlue), kMaxSlotBytes, tooLarge},
        {cmd::kPaste, Picture{90000, 90000, {}, true}, kMaxSlotBytes, tooLarge},
        {cmd::kPaste, Solid(20, 20, kBlue), 1000,
         "メモリが足りないため、貼り付けできませんでした。"},
        {cmd::kCopy, Solid(1, 1, kBlue), 1000, "メモリが足りないため、コピーできませんでした。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        RunningApp run;
        run.New("40", "30");
        ChooseRangeTool(run);
        Drag(run, {10, 10}, {60, 20});  // past the canvas: a copy puts the picture together
        run.kernel.clipboard = c.clipboard;
        const int undoBefore = UndoPosition(run);
        const std::size_t limit = LayerStack::AllocationLimit();
        LayerStack::AllocationLimit() = c.memory;
        run.platform.SendCommand(run.MainHandle(), c.command);
        LayerStack::AllocationLimit() = limit;
        EXPECT_EQ(run.platform.MessageBoxes().back().text, c.message);
        EXPECT_EQ(run.kernel.clipboard->width, c.clipboard.width);
        EXPECT_EQ(run.Doc().pendingOp, pending::kRangeSelected);
        EXPECT_EQ(UndoPosition(run), undoBefore);
    }
}

// Lifting a range dragged out past the canvas's top-left corner cleared its full width from
// the edge, more than it holds to put back.
TEST(EditCommands, LiftingARangeBeyondTheCanvasClearsOnlyWhatItHolds) {
    RunningApp run;
    run.New("40", "30");
    ChooseRangeTool(run);
    Drag(run, {30, 30}, {-8, -8});  // view (-10, -10) to (28, 28)
    Drag(run, {12, 12}, {12, 12});  // lifted
    ASSERT_EQ(run.Doc().pendingOp, pending::kRangeFloating);
    EXPECT_EQ(Pixel(run, 5, 27, 27), kKey);
    EXPECT_EQ(Pixel(run, 5, 28, 5), kWhite);
}

}  // namespace
}  // namespace daub
