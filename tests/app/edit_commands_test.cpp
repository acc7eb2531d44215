// The range commands of the edit menu and the clipboard, driven as the user drives them.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/command_ids.h"
#include "document/slot_view.h"
#include "tests/app/layer_scene.h"

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
    for (int y = r.y; y < r.y + r.height; ++y)
        for (int x = r.x; x < r.x + r.width; ++x)
            StorePixel(ViewOf(*run.Doc().layerStack, slot, 0).At(x, y), colour);
    run.Main().CompositeDocument();
}

void Command(RunningApp& run, int id) {
    run.platform.SendCommand(run.MainHandle(), id);
}

void Mouse(RunningApp& run, unsigned message, int x, int y) {
    run.platform.Send(run.MainHandle(), {message, 0, MakeLParam(x, y)});
}

// A left drag between two client positions.
void Drag(RunningApp& run, Point from, Point to) {
    Mouse(run, wm::kLButtonDown, from.x, from.y);
    Mouse(run, wm::kMouseMove, to.x, to.y);
    Mouse(run, wm::kLButtonUp, to.x, to.y);
}

// A right click puts a floating range down.
void PutDown(RunningApp& run) {
    Mouse(run, wm::kRButtonDown, 4, 4);
    Mouse(run, wm::kRButtonUp, 4, 4);
}

void ChooseRangeTool(RunningApp& run) {
    run.Main().satellites.toolbox.leftTool = ToolKind::RangeSelect;
    run.platform.Send(run.MainHandle(), {wm::kUser + 1, 0, 0});
}

void ScrollTo(RunningApp& run, unsigned bar, int position) {
    constexpr std::uintptr_t kThumbPosition = 4;
    run.platform.Send(run.MainHandle(),
                      {bar, kThumbPosition | static_cast<std::uintptr_t>(position) << 16, 0});
}

Picture MakePicture(int width, int height, const std::function<COLORREF(int, int)>& colour) {
    Picture picture{width, height, std::vector<std::uint8_t>(RowStride(width) * height)};
    const SlotView view(picture.bits.data(), width, height, RowStride(width));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            StorePixel(view.At(x, y), colour(x, y));
    return picture;
}

COLORREF PictureAt(const Picture& picture, int x, int y) {
    const ConstSlotView view(picture.bits.data(), picture.width, picture.height,
                             RowStride(picture.width));
    return LoadPixel(view.At(x, y));
}

int UndoPosition(RunningApp& run) {
    const DocumentState& doc = run.Doc();
    return doc.undoPosition[doc.layerIds[doc.currentLayer]];
}

std::string LastMessage(RunningApp& run) {
    const auto& boxes = run.platform.MessageBoxes();
    return boxes.empty() ? "" : boxes.back().text + " / " + boxes.back().caption;
}

// At zoom 2 the range dragged over view (10, 10) to (31, 21) is canvas (5, 5, 10, 5). Copy
// takes it as shown, the green of the upper layer included; lifting and moving it takes only
// the red of the edited bottom layer.
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
    Command(run, cmd::kCopy);

    ASSERT_TRUE(run.kernel.clipboard);
    const Picture& copied = *run.kernel.clipboard;
    ASSERT_EQ(copied.width, 10);
    ASSERT_EQ(copied.height, 5);
    EXPECT_EQ(PictureAt(copied, 0, 0), kRed);
    EXPECT_EQ(PictureAt(copied, 2, 4), kGreen);
    EXPECT_EQ(PictureAt(copied, 9, 4), kRed);

    Drag(run, {22, 17}, {32, 17});  // five canvas pixels to the right
    PutDown(run);
    EXPECT_EQ(Pixel(run, 5, 7, 5), kKey) << "the hole left by lifting";
    EXPECT_EQ(Pixel(run, 5, 12, 5), kRed) << "the range holds the bottom layer's red";
    EXPECT_EQ(Pixel(run, 5, 19, 9), kRed);
    EXPECT_EQ(Pixel(run, 6, 7, 5), kGreen) << "the upper layer stays";
    EXPECT_EQ(Pixel(run, 6, 12, 5), kKey);
}

// Scrolled at zoom 2, the paste floats at canvas (10, 5); its key-coloured pixel shows the
// picture beneath, also once it is put down. Until then the layer is as it was.
TEST(EditCommands, PasteFloatsAtTheViewsCornerAndItsKeyColourIsSeeThrough) {
    RunningApp run;
    run.New("400", "300");
    Paint(run, 5, {11, 5, 1, 1}, kBlue);
    run.platform.PressKey(run.MainHandle(), kPageDown);
    ScrollTo(run, wm::kHScroll, 20);
    ScrollTo(run, wm::kVScroll, 10);
    run.kernel.clipboard =
        MakePicture(3, 2, [](int x, int y) { return x == 1 && y == 0 ? kKey : kRed; });
    const int undoBefore = UndoPosition(run);
    Command(run, cmd::kPaste);

    EXPECT_EQ(run.Doc().pendingOp, pending::kRangeFloating);
    EXPECT_EQ(run.Main().satellites.toolbox.leftTool, ToolKind::RangeSelect);
    EXPECT_EQ(UndoPosition(run), undoBefore + 1);
    EXPECT_EQ(Pixel(run, 0, 10, 5), kRed);
    EXPECT_EQ(Pixel(run, 0, 11, 5), kBlue);
    EXPECT_EQ(Pixel(run, 0, 12, 6), kRed);
    EXPECT_EQ(Pixel(run, 5, 10, 5), kWhite) << "the layer waits for the range to be put down";
    PutDown(run);
    EXPECT_EQ(Pixel(run, 5, 10, 5), kRed);
    EXPECT_EQ(Pixel(run, 5, 11, 5), kBlue);
    EXPECT_EQ(Pixel(run, 5, 12, 6), kRed);
    EXPECT_EQ(Pixel(run, 5, 13, 5), kWhite);
}

// Over a white bottom layer and a green square (4..9) on the upper one.
TEST(EditCommands, DeleteRangeClearsAFixedRangeAndDropsAFloatingOne) {
    const struct Case {
        const char* name;
        int row;
        bool pasted;
        COLORREF edited55, display55, display33;
    } cases[] = {
        {"fixed, bottom layer", 0, false, kKey, kGreen, kKey},
        {"fixed, upper layer", 1, false, kKey, kWhite, kWhite},
        {"floating paste", 0, true, kWhite, kGreen, kWhite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LayerScene scene;
        RunningApp& run = scene.run;
        run.New("40", "30");
        scene.AddLayers(1);
        scene.SelectRow(c.row);
        Paint(run, 6, {4, 4, 6, 6}, kGreen);
        const int undoBefore = UndoPosition(run);
        if (c.pasted) {
            run.kernel.clipboard = MakePicture(8, 8, [](int, int) { return kRed; });
            Command(run, cmd::kPaste);
        } else {
            ChooseRangeTool(run);
            Drag(run, {4, 4}, {10, 10});  // canvas (2, 2) to (7, 7)
        }
        Command(run, cmd::kDeleteRange);

        EXPECT_EQ(run.Doc().pendingOp, pending::kNone);
        EXPECT_EQ(UndoPosition(run), undoBefore + 1);
        EXPECT_EQ(Pixel(run, run.Doc().currentLayer, 5, 5), c.edited55);
        EXPECT_EQ(Pixel(run, 0, 5, 5), c.display55);
        EXPECT_EQ(Pixel(run, 0, 3, 3), c.display33);
        EXPECT_EQ(Pixel(run, 0, 8, 8), kGreen) << "beyond the range";
    }
}

TEST(EditCommands, SelectAllWhileScrolledSelectsExactlyTheCanvas) {
    RunningApp run;
    run.New("400", "300");
    Paint(run, 5, {399, 299, 1, 1}, kRed);
    run.platform.PressKey(run.MainHandle(), kPageDown);
    ScrollTo(run, wm::kHScroll, 50);
    ScrollTo(run, wm::kVScroll, 30);
    ASSERT_EQ(run.Doc().scrollX, 50);
    Command(run, cmd::kSelectAll);
    EXPECT_EQ(run.Doc().pendingOp, pending::kRangeSelected);
    EXPECT_EQ(run.Main().satellites.toolbox.leftTool, ToolKind::RangeSelect);
    Command(run, cmd::kCopy);
    ASSERT_TRUE(run.kernel.clipboard);
    EXPECT_EQ(run.kernel.clipboard->width, 400);
    EXPECT_EQ(run.kernel.clipboard->height, 300);
    EXPECT_EQ(PictureAt(*run.kernel.clipboard, 399, 299), kRed);
    EXPECT_EQ(PictureAt(*run.kernel.clipboard, 0, 0), kWhite);
}

// Below zoom 1 a floating picture's view size is truncated; scaled back it would lose its
// last columns, in the copy and where it is put down (at 0.1 even all its rows).
TEST(EditCommands, AFloatingPictureIsCopiedAndPutDownWholeAtAnyZoom) {
    for (const int stepsOut : {2, 3}) {  // zoom 0.25, 0.1
        SCOPED_TRACE(stepsOut);
        RunningApp run;
        run.New("100", "100");
        for (int i = 0; i < stepsOut; ++i)
            run.platform.PressKey(run.MainHandle(), kPageUp);
        run.kernel.clipboard =
            MakePicture(15, 9, [](int x, int) { return x == 14 ? kBlue : kRed; });
        Command(run, cmd::kPaste);
        run.kernel.clipboard.reset();
        Command(run, cmd::kCopy);
        ASSERT_TRUE(run.kernel.clipboard);
        EXPECT_EQ(run.kernel.clipboard->width, 15);
        EXPECT_EQ(run.kernel.clipboard->height, 9);
        EXPECT_EQ(PictureAt(*run.kernel.clipboard, 14, 8), kBlue);
        PutDown(run);
        EXPECT_EQ(Pixel(run, 5, 14, 8), kBlue);
        EXPECT_EQ(Pixel(run, 5, 0, 0), kRed);
    }
}

// A picture that cannot be had whole is refused with a message, and a range floating before
// still floats, untouched.
TEST(EditCommands, APictureTooLargeToPasteChangesNothing) {
    const struct Case {
        const char* name;
        Picture picture;
        std::size_t allocationLimit;
        const char* message;
    } cases[] = {
        {"wider than any slot", MakePicture(40000, 1, [](int, int) { return kBlue; }),
         kMaxSlotBytes, "画像が大きすぎるため、貼り付けできませんでした。 / エラー"},
        {"too large for the platform to take", Picture{90000, 90000, {}, true}, kMaxSlotBytes,
         "画像が大きすぎるため、貼り付けできませんでした。 / エラー"},
        {"no memory for it", MakePicture(20, 20, [](int, int) { return kBlue; }), 1000,
         "メモリが足りないため、貼り付けできませんでした。 / エラー"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunningApp run;
        run.New("40", "30");
        run.kernel.clipboard = MakePicture(3, 3, [](int, int) { return kRed; });
        Command(run, cmd::kPaste);
        const int undoBefore = UndoPosition(run);
        run.kernel.clipboard = c.picture;
        const std::size_t limit = LayerStack::AllocationLimit();
        LayerStack::AllocationLimit() = c.allocationLimit;
        Command(run, cmd::kPaste);
        LayerStack::AllocationLimit() = limit;
        EXPECT_EQ(LastMessage(run), c.message);
        EXPECT_EQ(run.Doc().pendingOp, pending::kRangeFloating);
        EXPECT_EQ(run.Doc().layerStack->Width(LayerStack::kRangeSlot), 3);
        EXPECT_EQ(UndoPosition(run), undoBefore);
        EXPECT_EQ(Pixel(run, 0, 2, 2), kRed);
        EXPECT_EQ(Pixel(run, 5, 2, 2), kWhite);
    }
}

// A copy that does not reach the clipboard says so, and the clipboard keeps what it had.
TEST(EditCommands, ACopyWithoutTheMemoryForItSaysSo) {
    RunningApp run;
    run.New("40", "30");
    ChooseRangeTool(run);
    Drag(run, {10, 10}, {60, 20});  // past the right edge: the picture is put together
    run.kernel.clipboard = MakePicture(1, 1, [](int, int) { return kBlue; });
    const std::size_t limit = LayerStack::AllocationLimit();
    LayerStack::AllocationLimit() = 100;
    Command(run, cmd::kCopy);
    LayerStack::AllocationLimit() = limit;
    EXPECT_EQ(LastMessage(run), "メモリが足りないため、コピーできませんでした。 / エラー");
    EXPECT_EQ(run.kernel.clipboard->width, 1);
    // With the memory, the part past the canvas is see-through.
    Command(run, cmd::kCopy);
    ASSERT_EQ(run.kernel.clipboard->width, 50);
    EXPECT_EQ(PictureAt(*run.kernel.clipboard, 0, 0), kWhite);
    EXPECT_EQ(PictureAt(*run.kernel.clipboard, 49, 9), kKey);
}

// A range dragged out past the canvas's top-left corner is lifted from the canvas part only:
// the pixels right of it, within its full width from the edge, stay.
TEST(EditCommands, LiftingARangeThatStartsLeftOfTheCanvasClearsOnlyWhatItHolds) {
    RunningApp run;
    run.New("40", "30");
    Paint(run, 5, {32, 5, 1, 1}, kRed);
    ChooseRangeTool(run);
    Drag(run, {30, 30}, {-8, -8});  // view (-10, -10) to (28, 28)
    Mouse(run, wm::kLButtonDown, 12, 12);
    Mouse(run, wm::kLButtonUp, 12, 12);
    ASSERT_EQ(run.Doc().pendingOp, pending::kRangeFloating);
    EXPECT_EQ(Pixel(run, 5, 32, 5), kRed);
    EXPECT_EQ(Pixel(run, 5, 27, 27), kKey);
    EXPECT_EQ(Pixel(run, 5, 28, 5), kWhite);
}

}  // namespace
}  // namespace daub
