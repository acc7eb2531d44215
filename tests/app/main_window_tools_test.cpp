#include <gtest/gtest.h>

#include <set>

#include "app/command_ids.h"
#include "document/slot_view.h"
#include "document/undo_history.h"
#include "tests/app/app_fixture.h"

namespace daub {
namespace {

using test::RunningApp;
using Pixels = std::set<std::pair<int, int>>;

constexpr COLORREF kWhite = 0xFFFFFF, kBlack = 0x000000, kBlue = 0xFF0000, kRed = 0x0000FF,
                   kGreen = 0x00FF00;

void Mouse(RunningApp& run, unsigned message, int x, int y) {
    run.platform.Send(run.MainHandle(), {message, 0, MakeLParam(x, y)});
}

// A click, or a press, moves and a release, of one button at client positions.
void Stroke(RunningApp& run, bool left, std::initializer_list<std::pair<int, int>> points) {
    const auto first = *points.begin();
    const auto last = *(points.end() - 1);
    Mouse(run, left ? wm::kLButtonDown : wm::kRButtonDown, first.first, first.second);
    for (const auto& p : points)
        if (&p != points.begin()) Mouse(run, wm::kMouseMove, p.first, p.second);
    Mouse(run, left ? wm::kLButtonUp : wm::kRButtonUp, last.first, last.second);
}

Pixels PixelsOf(RunningApp& run, int slot, COLORREF colour) {
    const SlotView v = ViewOf(*run.Doc().layerStack, slot, 0);
    Pixels found;
    for (int y = 0; y < v.height; ++y)
        for (int x = 0; x < v.width; ++x)
            if (LoadPixel(v.At(x, y)) == colour) found.insert({x, y});
    return found;
}

COLORREF PixelAt(RunningApp& run, int slot, int x, int y) {
    return LoadPixel(ViewOf(*run.Doc().layerStack, slot, 0).At(x, y));
}

void FillSlotBitmap(RunningApp& run, int slot, COLORREF colour) {
    FillBitmap(run.Doc().layerStack->Bitmap(slot), colour);
}

void FillColumns(RunningApp& run, int slot, int from, int to, COLORREF colour) {
    const SlotView v = ViewOf(*run.Doc().layerStack, slot, 0);
    for (int y = 0; y < v.height; ++y)
        for (int x = from; x <= to; ++x)
            StorePixel(v.At(x, y), colour);
}

// A second layer above the first, all of one colour, edited and shown.
int AddUpperLayer(RunningApp& run, COLORREF colour) {
    DocumentState& doc = run.Doc();
    const int slot = LayerStack::kFirstLayer + 1;
    FillBitmap(doc.layerStack->CreateSlotBitmap(slot), colour);
    doc.layerStack->visible[slot] = 1;
    doc.lastLayer = doc.currentLayer = slot;
    run.Main().CompositeDocument();
    return slot;
}

Pixels Row(int y, int from, int to) {
    Pixels p;
    for (int x = from; x <= to; ++x)
        p.insert({x, y});
    return p;
}

// The pen, pickers, fill and eraser take the quarter correction, the shape tools do not.
TEST(MainWindowTools, CanvasPixelOfAClickPerTool) {
    RunningApp run;
    run.New("20", "10");
    const int layer = run.Doc().currentLayer;
    const COLORREF clear = run.Doc().transparentColour;
    const struct {
        ToolKind tool;
        int client;
        COLORREF colour;
        Pixels drawn;
    } cases[] = {
        {ToolKind::Pen, 2, kBlack, {{0, 0}}},   {ToolKind::Pen, 3, kBlack, {{0, 0}}},
        {ToolKind::Eraser, 3, clear, {{0, 0}}}, {ToolKind::Line, 2, kBlack, {{0, 0}}},
        {ToolKind::Line, 3, kBlack, {{1, 1}}},  {ToolKind::Rectangle, 3, kBlack, {{1, 1}}},
        {ToolKind::Pen, 4, kBlack, {{1, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.tool));
        SCOPED_TRACE(c.client);
        FillSlotBitmap(run, layer, kWhite);
        FillSlotBitmap(run, LayerStack::kDisplaySlot, kWhite);
        run.Doc().leftTool = c.tool;
        Stroke(run, true, {{c.client, c.client}});
        EXPECT_EQ(PixelsOf(run, layer, c.colour), c.drawn);
        EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, c.colour), c.drawn);
    }

    // The fill region at client (3, 3) is the one of canvas pixel (0, 0).
    FillSlotBitmap(run, layer, kWhite);
    FillColumns(run, layer, 1, 19, kRed);
    run.Main().CompositeDocument();
    run.Doc().leftTool = ToolKind::Fill;
    run.Doc().drawColour = kGreen;
    Stroke(run, true, {{3, 3}});
    EXPECT_EQ(PixelsOf(run, layer, kGreen).size(), 10u);
    EXPECT_EQ(PixelsOf(run, layer, kRed).size(), 190u);
}

TEST(MainWindowTools, LinePressesStopOnePixelBeyondTheCanvas) {
    RunningApp run;
    run.New("20", "10");
    run.Doc().leftTool = ToolKind::Line;
    // View (20, 10), the far corner, is accepted; the shape is clipped away but recorded.
    Mouse(run, wm::kLButtonDown, 22, 12);
    EXPECT_EQ(run.Doc().pendingOp, pending::kLineDragged);
    Mouse(run, wm::kLButtonUp, 22, 12);
    EXPECT_EQ(UndoPosition(run.Doc()), 1);
    EXPECT_EQ(run.Doc().pendingOp, 0);
    for (const auto& [x, y] : {std::pair{23, 12}, std::pair{22, 13}}) {
        Mouse(run, wm::kLButtonDown, x, y);
        EXPECT_EQ(run.Doc().leftDragging, 0);
        EXPECT_EQ(run.Doc().pendingOp, 0);
        Mouse(run, wm::kLButtonUp, x, y);
    }
    EXPECT_EQ(UndoPosition(run.Doc()), 1);
}

TEST(MainWindowTools, LinePreviewFollowsThePointerAndIsCommittedOnceAtRelease) {
    RunningApp run;
    run.New("20", "10");
    run.Doc().leftTool = ToolKind::Line;
    const int layer = run.Doc().currentLayer;
    Mouse(run, wm::kLButtonDown, 2, 4);
    Mouse(run, wm::kMouseMove, 12, 4);
    EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kBlack), Row(2, 0, 10));
    EXPECT_EQ(run.platform.Surface(run.MainHandle())->Pixel(2 + 10, 2 + 2), kBlack);
    EXPECT_TRUE(PixelsOf(run, layer, kBlack).empty());
    EXPECT_EQ(UndoPosition(run.Doc()), 0);
    Mouse(run, wm::kMouseMove, 7, 4);
    EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kBlack), Row(2, 0, 5));
    EXPECT_EQ(run.platform.Surface(run.MainHandle())->Pixel(2 + 10, 2 + 2), kWhite);
    // A right press meanwhile is refused and changes nothing.
    Mouse(run, wm::kRButtonDown, 7, 4);
    Mouse(run, wm::kRButtonUp, 7, 4);
    EXPECT_EQ(run.Doc().rightDragging, 0);
    Mouse(run, wm::kLButtonUp, 7, 4);
    EXPECT_EQ(PixelsOf(run, layer, kBlack), Row(2, 0, 5));
    EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kBlack), Row(2, 0, 5));
    EXPECT_EQ(UndoPosition(run.Doc()), 1);
    EXPECT_FALSE(run.platform.Capture());

    run.platform.PressKey(run.MainHandle(), 'Z', true);
    EXPECT_TRUE(PixelsOf(run, layer, kBlack).empty());
}

// A zoom key in the middle of a shape drag ends the shape: its rubber band leaves the display,
// and the release draws nothing, so the screen never shows a line that no layer holds.
TEST(MainWindowTools, ZoomKeyDuringAShapeDragRemovesItsPreview) {
    for (ToolKind tool : {ToolKind::Line, ToolKind::Rectangle, ToolKind::Ellipse}) {
        RunningApp run;
        run.New("20", "10");
        run.Doc().leftTool = tool;
        Mouse(run, wm::kLButtonDown, 3, 3);
        Mouse(run, wm::kMouseMove, 12, 8);
        ASSERT_FALSE(PixelsOf(run, LayerStack::kDisplaySlot, kBlack).empty());
        run.platform.PressKey(run.MainHandle(), 0x22);  // Page Down
        EXPECT_EQ(run.Doc().pendingOp, 0);
        EXPECT_TRUE(PixelsOf(run, LayerStack::kDisplaySlot, kBlack).empty());
        Mouse(run, wm::kLButtonUp, 12, 8);
        EXPECT_TRUE(PixelsOf(run, run.Doc().currentLayer, kBlack).empty());
        EXPECT_TRUE(PixelsOf(run, LayerStack::kDisplaySlot, kBlack).empty());
    }
}

TEST(MainWindowTools, EraserShowsWhatLiesBeneathTheEditedLayer) {
    RunningApp run;
    run.New("20", "10");
    FillSlotBitmap(run, LayerStack::kFirstLayer, kBlue);
    const int upper = AddUpperLayer(run, kRed);
    const COLORREF clear = run.Doc().transparentColour;
    run.Doc().leftTool = ToolKind::Eraser;
    run.Doc().rightTool = ToolKind::Eraser;
    Stroke(run, true, {{4, 4}, {8, 4}});
    EXPECT_EQ(PixelsOf(run, upper, clear), Row(1, 1, 5));
    EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kBlue), Row(1, 1, 5));
    EXPECT_EQ(UndoPosition(run.Doc()), 1);
    // Showing the layers again gives the same picture.
    const Pixels shown = PixelsOf(run, LayerStack::kDisplaySlot, kBlue);
    run.Main().CompositeDocument();
    EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kBlue), shown);

    // On a hidden upper layer: erased, and still hidden.
    run.Doc().layerStack->visible[upper] = 0;
    run.Main().CompositeDocument();
    Stroke(run, false, {{4, 8}});
    EXPECT_EQ(PixelAt(run, upper, 1, 5), clear);
    EXPECT_EQ(run.Doc().layerStack->visible[upper], 0);
    EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kBlue).size(), 200u);

    // On the bottom layer the display takes the erasing colour even under the upper layer.
    run.Doc().layerStack->visible[upper] = 1;
    run.Main().CompositeDocument();
    run.Doc().currentLayer = LayerStack::kFirstLayer;
    Stroke(run, true, {{12, 10}});
    EXPECT_EQ(PixelAt(run, LayerStack::kFirstLayer, 9, 7), clear);
    EXPECT_EQ(PixelAt(run, LayerStack::kDisplaySlot, 9, 7), clear);
}

TEST(MainWindowTools, MaskToolLimitsTheFillAndReturnsToThePreviousTool) {
    RunningApp run;
    run.New("20", "10");
    DocumentState& doc = run.Doc();
    const int layer = doc.currentLayer;
    FillColumns(run, layer, 10, 19, kRed);
    run.Main().CompositeDocument();
    // Fill chosen, then the mask tool: the toolbox reports each choice.
    for (ToolKind tool : {ToolKind::Fill, ToolKind::Mask}) {
        run.Main().satellites.toolbox.leftTool = tool;
        run.platform.Send(run.MainHandle(), {notify::kToolbox, 0, 0});
    }
    ASSERT_EQ(doc.leftTool, ToolKind::Mask);

    // A click beyond the canvas is no mask click at all.
    Stroke(run, true, {{30, 5}});
    EXPECT_EQ(doc.leftTool, ToolKind::Mask);
    EXPECT_EQ(doc.layerStack->maskEnabled, 0);

    Stroke(run, true, {{20, 5}});
    EXPECT_EQ(doc.layerStack->maskEnabled, 1);
    EXPECT_EQ(doc.maskColour, kRed);
    EXPECT_EQ(doc.leftTool, ToolKind::Fill);
    EXPECT_EQ(run.Main().satellites.toolbox.leftTool, ToolKind::Fill);
    EXPECT_EQ(run.Main().satellites.infoWindow->values.maskColour, kRed);
    EXPECT_EQ(run.Main().satellites.infoWindow->values.maskOn, 1);
    EXPECT_EQ(UndoPosition(doc), 0);

    // The whole canvas white again: the region is everything, the mask lets the right half.
    FillSlotBitmap(run, layer, kWhite);
    run.Main().CompositeDocument();
    doc.drawColour = kGreen;
    Stroke(run, true, {{4, 4}});
    Pixels right;
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x)
            right.insert({x, y});
    EXPECT_EQ(PixelsOf(run, layer, kGreen), right);
    EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kGreen), right);
    EXPECT_EQ(UndoPosition(doc), 1);

    // The right fill uses the second colour.
    doc.rightTool = ToolKind::Fill;
    doc.secondColour = kBlue;
    Stroke(run, false, {{15, 5}});
    EXPECT_EQ(PixelsOf(run, layer, kBlue), right);
    EXPECT_EQ(UndoPosition(doc), 2);
}

TEST(MainWindowTools, RightMaskClickReplacesTheColourShown) {
    RunningApp run;
    run.New("20", "10");
    DocumentState& doc = run.Doc();
    const int layer = doc.currentLayer;
    FillColumns(run, layer, 0, 4, kRed);
    FillColumns(run, layer, 15, 19, kRed);
    run.Main().CompositeDocument();
    doc.rightTool = ToolKind::Mask;
    doc.secondColour = kGreen;
    Stroke(run, false, {{4, 4}, {9, 4}});
    EXPECT_EQ(run.Main().satellites.infoWindow->values.colour, kWhite)
        << "shows the colour under the drag";
    // Picked at the release, on white: the red columns stay.
    EXPECT_EQ(PixelsOf(run, layer, kGreen).size(), 100u);
    EXPECT_EQ(PixelsOf(run, layer, kRed).size(), 100u);
    EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kGreen).size(), 100u);
    EXPECT_EQ(UndoPosition(doc), 1);
    run.platform.PressKey(run.MainHandle(), 'Z', true);
    EXPECT_EQ(PixelsOf(run, layer, kWhite).size(), 100u);
}

TEST(MainWindowTools, RangeIsSelectedLiftedMovedPutBackAndPutDown) {
    RunningApp run;
    run.New("20", "10");
    DocumentState& doc = run.Doc();
    const int layer = doc.currentLayer;
    const COLORREF clear = doc.transparentColour;
    const SlotView v = ViewOf(*doc.layerStack, layer, 0);
    for (int y = 2; y <= 3; ++y)
        for (int x = 2; x <= 4; ++x)
            StorePixel(v.At(x, y), kRed);
    run.Main().CompositeDocument();
    doc.leftTool = ToolKind::RangeSelect;

    // View (1, 1) to (6, 5): canvas range (1, 1) 5 x 4.
    Stroke(run, true, {{3, 3}, {6, 5}, {8, 7}});
    EXPECT_EQ(doc.pendingOp, pending::kRangeSelected);
    EXPECT_EQ(run.Main().satellites.infoWindow->values.mode, 2);
    EXPECT_EQ(UndoPosition(doc), 0);

    // Grab at view (2, 2) and drag to view (12, 6).
    Stroke(run, true, {{4, 4}, {9, 6}, {14, 8}});
    EXPECT_EQ(doc.pendingOp, pending::kRangeFloating);
    EXPECT_EQ(UndoPosition(doc), 1);
    Pixels moved;
    for (int y = 6; y <= 7; ++y)
        for (int x = 12; x <= 14; ++x)
            moved.insert({x, y});
    EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kRed), moved);
    EXPECT_EQ(PixelAt(run, LayerStack::kDisplaySlot, 2, 2), clear);
    EXPECT_TRUE(PixelsOf(run, layer, kRed).empty());

    // S puts it back where it was lifted; a drag moves it away again.
    EXPECT_EQ(run.platform.PressKey(run.MainHandle(), 'S'), KeyOutcome::kKeyDown);
    EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kRed).size(), 6u);
    EXPECT_EQ(PixelAt(run, LayerStack::kDisplaySlot, 2, 2), kRed);
    Stroke(run, true, {{4, 4}, {14, 8}});
    EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kRed), moved);
    EXPECT_EQ(UndoPosition(doc), 1) << "grabbing a floating range takes no snapshot";

    // A press outside puts it down into the layer and starts a new range.
    Stroke(run, true, {{20, 3}});
    EXPECT_EQ(PixelsOf(run, layer, kRed), moved);
    EXPECT_EQ(PixelAt(run, layer, 2, 2), clear);
    run.platform.PressKey(run.MainHandle(), 'Z', true);
    EXPECT_EQ(PixelsOf(run, layer, kRed).size(), 6u);
    EXPECT_EQ(PixelAt(run, layer, 2, 2), kRed);
}

// With NoTool2500 as the right tool the left brush and spray rest; any other right tool
// lets them paint.
TEST(MainWindowTools, NoTool2500OnTheRightStopsTheLeftBrushAndSpray) {
    for (const ToolKind left : {ToolKind::Brush, ToolKind::Spray}) {
        for (const ToolKind right : {ToolKind::NoTool2500, ToolKind::ColourPicker}) {
            SCOPED_TRACE(static_cast<int>(left));
            SCOPED_TRACE(static_cast<int>(right));
            RunningApp run;
            run.New("40", "30");
            run.Doc().leftTool = left;
            run.Doc().rightTool = right;
            run.Doc().sprayKind = 1;  // the alpha blend: it paints even on a plain picture
            run.Doc().drawColour = kRed;
            Stroke(run, true, {{12, 12}, {22, 12}, {32, 17}});
            const bool rests = right == ToolKind::NoTool2500;
            const std::size_t white = 40 * 30;
            EXPECT_EQ(PixelsOf(run, run.Doc().currentLayer, kWhite).size() == white, rests);
            EXPECT_EQ(PixelsOf(run, LayerStack::kDisplaySlot, kWhite).size() == white, rests);
        }
    }
}

// One dab per mouse event: a fast move leaves the picture untouched between two dabs.
TEST(MainWindowTools, BrushDabsOnlyWhereTheMouseReported) {
    RunningApp run;
    run.New("80", "20");
    run.Doc().leftTool = ToolKind::Brush;
    Stroke(run, true, {{12, 12}, {62, 12}});
    const int layer = run.Doc().currentLayer;
    EXPECT_NE(PixelAt(run, layer, 10, 10), kWhite);
    EXPECT_NE(PixelAt(run, layer, 60, 10), kWhite);
    for (int x = 20; x <= 50; ++x)
        EXPECT_EQ(PixelAt(run, layer, x, 10), kWhite) << x;
}

// The range ends where the mouse last moved to, not where the button came up.
TEST(MainWindowTools, RangeEndsAtTheLastMoveNotAtTheRelease) {
    RunningApp run;
    run.New("20", "10");
    DocumentState& doc = run.Doc();
    doc.leftTool = ToolKind::RangeSelect;
    Mouse(run, wm::kLButtonDown, 3, 3);
    Mouse(run, wm::kMouseMove, 8, 7);
    Mouse(run, wm::kLButtonUp, 16, 11);
    EXPECT_EQ(doc.pendingOp, pending::kRangeSelected);
    EXPECT_EQ(doc.selection.x, 1);
    EXPECT_EQ(doc.selection.y, 1);
    EXPECT_EQ(doc.selection.width, 5);
    EXPECT_EQ(doc.selection.height, 4);
    EXPECT_EQ(doc.layerStack->Width(4), 5);
    EXPECT_EQ(doc.layerStack->Height(4), 4);
}

}  // namespace
}  // namespace daub
