#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "document/slot_view.h"
#include "tests/app/app_fixture.h"
#include "tools/slot_fill.h"

namespace daub {
namespace {

using test::RunningApp;

TEST(MainWindowSatellites, ClosingADialogUnchecksItsItemAndTheMenuBringsItBack) {
    RunningApp run;
    TDaubWindow& main = run.Main();
    const struct {
        SatelliteDialog& dialog;
        int command;
    } cases[] = {
        {main.satellites.toolbox, cmd::kShowToolbox},
        {main.satellites.palette, cmd::kShowColourBox},
        {main.satellites.curveSettingsDialog, cmd::kShowCurveSettings},
    };
    for (const auto& c : cases) {
        run.platform.Send(c.dialog.Handle(), {wm::kClose, 0, 0});
        EXPECT_FALSE(run.Record(c.dialog.Handle()).visible) << c.command;
        EXPECT_TRUE(run.Record(c.dialog.Handle()).alive) << c.command;
        EXPECT_FALSE(run.Item(2, c.command).checked) << c.command;
        EXPECT_EQ(c.dialog.closedMarker, 0) << c.command;

        EXPECT_TRUE(run.platform.ChooseMenuItem(run.MainHandle(), c.command));
        EXPECT_TRUE(run.Record(c.dialog.Handle()).visible) << c.command;
        EXPECT_TRUE(run.Item(2, c.command).checked) << c.command;
    }
}

TEST(MainWindowSatellites, LayerImageWindowIsMadeAgainByTheMenu) {
    RunningApp run;
    const WindowHandle first = run.Main().satellites.viewWindow->Handle();
    run.platform.Send(first, {wm::kClose, 0, 0});
    EXPECT_FALSE(run.Record(first).alive);
    EXPECT_EQ(run.Doc().layerImageVisible, 0);
    EXPECT_FALSE(run.Item(2, cmd::kShowLayerImage).checked);

    run.platform.ChooseMenuItem(run.MainHandle(), cmd::kShowLayerImage);
    const WindowHandle second = run.Main().satellites.viewWindow->Handle();
    ASSERT_TRUE(second);
    EXPECT_TRUE(run.Record(second).alive);
    EXPECT_EQ(run.Record(second).spec.title, "編集レイヤー画像");
    EXPECT_EQ(run.Doc().layerImageVisible, 1);
    EXPECT_TRUE(run.Item(2, cmd::kShowLayerImage).checked);
}

// A report of a shown satellite leaves the check mark alone.
TEST(MainWindowSatellites, ReportsCopyTheSatellitesFields) {
    RunningApp run;
    TDaubWindow& main = run.Main();
    main.satellites.toolbox.leftTool = ToolKind::Brush;
    main.satellites.toolbox.rightTool = ToolKind::Fill;
    main.satellites.toolbox.penWidth = 6;
    EXPECT_EQ(run.platform.Send(run.MainHandle(), {notify::kToolbox, 0, 0}), 0);
    EXPECT_EQ(run.Doc().leftTool, ToolKind::Brush);
    EXPECT_EQ(run.Doc().previousTool, ToolKind::Pen);
    EXPECT_EQ(run.Doc().rightTool, ToolKind::Fill);
    EXPECT_EQ(run.Doc().penWidth, 6);
    EXPECT_TRUE(run.Item(2, cmd::kShowToolbox).checked);

    main.satellites.palette.leftColour = 0x123456;
    main.satellites.palette.rightColour = 0x654321;
    EXPECT_EQ(run.platform.Send(run.MainHandle(), {notify::kColourBox, 0, 0}), 0);
    EXPECT_EQ(run.Doc().drawColour, 0x123456u);
    EXPECT_EQ(run.Doc().secondColour, 0x654321u);

    CurveSettings& curve = main.satellites.curveSettingsDialog.settings;
    const struct { int upper, lower, wantLower; } factors[] = {{10, 30, 10}, {10, 1, 2}, {5, 3, 3}};
    for (const auto& f : factors) {
        curve.values[0] = f.upper;
        curve.values[1] = f.lower;
        curve.reals[0] = 1.5;
        EXPECT_EQ(run.platform.Send(run.MainHandle(), {notify::kCurveSettings, 0, 0}), 1);
        EXPECT_EQ(run.Doc().curveSettings.values[0], f.upper);
        EXPECT_EQ(run.Doc().curveSettings.values[1], f.wantLower);
        EXPECT_EQ(run.Doc().curveSettings.reals[0], 1.5);
    }
    EXPECT_TRUE(run.Item(2, cmd::kShowCurveSettings).checked);
}

TEST(MainWindowSatellites, ToolboxChangeCommitsAFloatingRange) {
    RunningApp run;
    run.New("20", "10");
    LayerStack& stack = *run.Doc().layerStack;
    stack.DefineFormat(4, 3, 2);
    stack.CreateSlotBitmap(LayerStack::kRangeSlot, stack.Format(4));
    FillSlot(stack, 0x0000FF, LayerStack::kRangeSlot, 4);
    StorePixel(ViewOf(stack, LayerStack::kRangeSlot, 4).At(1, 0), kTransparentColour);
    run.Doc().pendingOp = pending::kRangeFloating;
    run.Doc().selection = {4, 2, 3, 2};
    run.platform.Send(run.MainHandle(), {notify::kToolbox, 0, 0});
    EXPECT_EQ(run.Doc().pendingOp, pending::kNone);
    for (int slot : {LayerStack::kDisplaySlot, LayerStack::kFirstLayer}) {
        const SlotView v = ViewOf(stack, slot, 0);
        EXPECT_EQ(LoadPixel(v.At(4, 2)), 0x0000FFu) << slot;
        EXPECT_EQ(LoadPixel(v.At(5, 2)), 0xFFFFFFu) << slot;  // the key colour lets it through
        EXPECT_EQ(LoadPixel(v.At(6, 3)), 0x0000FFu) << slot;
        EXPECT_EQ(LoadPixel(v.At(7, 3)), 0xFFFFFFu) << slot;
    }
}

// The transparent cell on the right button, the pen on the right button: a right click on
// an upper layer paints the key colour, through which the layer below shows.
TEST(MainWindowSatellites, TransparentCellMakesTheRightButtonPaintSeeThrough) {
    RunningApp run;
    run.New("20", "10");
    DocumentState& doc = run.Doc();
    const int upper = LayerStack::kFirstLayer + 1;
    FillBitmap(doc.layerStack->CreateSlotBitmap(upper), 0xFF0000);
    doc.layerStack->visible[upper] = 1;
    doc.lastLayer = doc.currentLayer = upper;
    run.Main().CompositeDocument();

    const auto rightClick = [&](WindowHandle window, int x, int y) {
        run.platform.Send(window, {wm::kRButtonDown, 0, MakeLParam(x, y)});
        run.platform.Send(window, {wm::kRButtonUp, 0, MakeLParam(x, y)});
    };
    rightClick(run.Main().satellites.palette.Handle(), 3, 22);  // the transparent cell
    rightClick(run.Main().satellites.toolbox.Handle(), 5, 80);  // Pen
    ASSERT_EQ(doc.secondColour, kTransparentColour);
    ASSERT_EQ(doc.rightTool, ToolKind::Pen);
    rightClick(run.MainHandle(), 2 + 6, 2 + 6);  // the pen's canvas pixel (5, 5)

    const SlotView layer = ViewOf(*doc.layerStack, upper, 0);
    EXPECT_EQ(LoadPixel(layer.At(5, 5)), kTransparentColour);
    EXPECT_EQ(LoadPixel(layer.At(6, 5)), 0xFF0000u);
    run.Main().CompositeDocument();
    const SlotView display = ViewOf(*doc.layerStack, LayerStack::kDisplaySlot, 0);
    EXPECT_EQ(LoadPixel(display.At(5, 5)), 0xFFFFFFu);
    EXPECT_EQ(LoadPixel(display.At(6, 5)), 0xFF0000u);
}

TEST(MainWindowSatellites, InfoWindowShowsItsFourLines) {
    RunningApp run;
    DaubChild& info = *run.Main().satellites.infoWindow;
    info.values.x = 3;
    info.values.y = 4;
    info.values.colour = MakeColour(255, 0, 0);
    info.Paint();
    const HeadlessSurface* surface = run.platform.Surface(info.Handle());
    ASSERT_NE(surface, nullptr);
    const DrawnText* position = surface->TextAt(0, 0);
    ASSERT_NE(position, nullptr);
    EXPECT_EQ(position->text, "座標:(3,4)         ");
    ASSERT_NE(surface->TextAt(0, 20), nullptr);
    EXPECT_EQ(surface->TextAt(0, 20)->text, "倍率:1.000000     ");
    const DrawnText* colour = surface->TextAt(0, 40);
    ASSERT_NE(colour, nullptr);
    EXPECT_EQ(colour->backgroundColour, 0x0000FFu);
    EXPECT_EQ(colour->textColour, 0x000000u);
    ASSERT_NE(surface->TextAt(0, 60), nullptr);
    EXPECT_EQ(surface->TextAt(0, 60)->text, "マスク:ＯＦＦ      ");
}

TEST(MainWindowSatellites, InfoWindowMaskLineSwitchesTheMask) {
    RunningApp run;
    DaubChild& info = *run.Main().satellites.infoWindow;
    const WindowHandle window = info.Handle();
    info.values.maskOn = 1;
    info.values.maskColour = 0xFFFFFF;
    run.Doc().layerStack->maskEnabled = 1;

    auto click = [&](int y) {
        run.platform.Send(window, {wm::kLButtonDown, 0, MakeLParam(10, y)});
        run.platform.Send(window, {wm::kLButtonUp, 0, MakeLParam(10, y)});
    };
    click(61);
    EXPECT_EQ(info.values.maskOn, 0);
    EXPECT_EQ(run.Doc().layerStack->maskEnabled, 0);
    EXPECT_EQ(run.platform.Surface(window)->TextAt(0, 60)->text, "マスク:ＯＦＦ      ");
    EXPECT_EQ(run.platform.CurrentCursor().value, 130u);
    click(61);
    EXPECT_EQ(run.Doc().layerStack->maskEnabled, 1);
    EXPECT_EQ(run.platform.Surface(window)->TextAt(0, 60)->backgroundColour, 0xFFFFFFu);
    EXPECT_EQ(run.platform.Surface(window)->TextAt(0, 60)->textColour, 0x000000u);

    // On the line itself a press moves the window instead, to where the button comes up.
    run.platform.Send(window, {wm::kLButtonDown, 0, MakeLParam(10, 60)});
    EXPECT_EQ(info.dragging, 1);
    EXPECT_EQ(run.Doc().layerStack->maskEnabled, 1);
    run.platform.Send(window, {wm::kLButtonUp, 0, MakeLParam(30, 45)});
    EXPECT_EQ(info.dragging, 0);
    EXPECT_EQ(run.Record(window).rect, (PixelRect{560, 425, 700, 535}));
    EXPECT_FALSE(run.platform.Capture());
}

}  // namespace
}  // namespace daub
