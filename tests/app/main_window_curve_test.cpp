// The curve tools and their settings window, driven as the user drives them.
#include <gtest/gtest.h>

#include <cstring>

#include "app/command_ids.h"
#include "document/slot_view.h"
#include "tests/app/app_fixture.h"
#include "toolwindows/satellite_messages.h"

namespace daub {
namespace {

using test::RunningApp;

constexpr COLORREF kWhite = 0xFFFFFF, kBlack = 0x000000;

void Mouse(RunningApp& run, unsigned message, int x, int y) {
    run.platform.Send(run.MainHandle(), {message, 0, MakeLParam(x, y)});
}

void Click(RunningApp& run, int x, int y) {
    Mouse(run, wm::kLButtonDown, x, y);
    Mouse(run, wm::kLButtonUp, x, y);
}

// A 40 x 40 picture with the curve as the left tool and the picker as the right one.
void StartCurve(RunningApp& run, ToolKind tool = ToolKind::Curve) {
    run.New("40", "40");
    run.Main().satellites.toolbox.leftTool = tool;
    run.platform.Send(run.MainHandle(), {notify::kToolbox, 0, 0});
}

int PointCount(RunningApp& run) {
    return run.Doc().layerStack->curvePointCount;
}

COLORREF LayerPixel(RunningApp& run, int x, int y) {
    return LoadPixel(ViewOf(*run.Doc().layerStack, run.Doc().currentLayer, 0).At(x, y));
}

// While points are open the right button draws the shape, whatever the right tool, and its
// release ends the curve (as does losing the capture before it). The layer then holds the
// drawing and no preview; undo takes the drawing back.
TEST(MainWindowCurve, RightButtonDrawsTheOpenShape) {
    for (const bool captureLost : {false, true}) {
        RunningApp run;
        StartCurve(run, captureLost ? ToolKind::Polyline : ToolKind::Curve);
        for (const int x : {5, 20, 35})
            Click(run, x + 2, 22);
        EXPECT_EQ(LayerPixel(run, 20, 20), kWhite);
        const COLORREF second = run.Doc().secondColour;
        Mouse(run, wm::kRButtonDown, 30, 2);
        if (captureLost) run.platform.Send(run.MainHandle(), {wm::kCaptureChanged, 0, 0});
        Mouse(run, wm::kRButtonUp, 30, 2);
        EXPECT_EQ(LayerPixel(run, 20, 20), kBlack);
        const LayerStack& stack = *run.Doc().layerStack;
        EXPECT_EQ(
            0, std::memcmp(stack.Bits(run.Doc().currentLayer), stack.Bits(LayerStack::kDisplaySlot),
                           stack.Bitmap(LayerStack::kDisplaySlot)->ByteSize()))
            << "no marker or preview line is left";
        EXPECT_EQ(run.Doc().secondColour, second) << "the picker stayed idle";
        EXPECT_EQ(run.Doc().pendingOp, pending::kNone);
        EXPECT_EQ(PointCount(run), 0);
        run.platform.SendCommand(run.MainHandle(), cmd::kUndo);
        EXPECT_EQ(LayerPixel(run, 20, 20), kWhite);
    }
}

// Delete arrives through the accelerator table, Backspace as a key: each takes back the last
// point while points are being placed, never below none.
TEST(MainWindowCurve, DeleteAndBackspaceTakeBackPoints) {
    const struct {
        int key;
        KeyOutcome outcome;
    } cases[] = {{0x2E, KeyOutcome::kCommand}, {0x08, KeyOutcome::kKeyDown}};
    for (const auto& c : cases) {
        RunningApp run;
        StartCurve(run);
        Click(run, 7, 7);
        Click(run, 27, 7);
        for (const int want : {1, 0, 0}) {
            EXPECT_EQ(run.platform.PressKey(run.MainHandle(), c.key), c.outcome);
            EXPECT_EQ(PointCount(run), want);
        }
        EXPECT_EQ(run.Doc().pendingOp, pending::kCurvePlacing);
    }
}

// The 65th point is refused in a message box that does not open under the mouse capture;
// the release of that press does nothing.
TEST(MainWindowCurve, TheLimitMessageOpensWithoutTheCapture) {
    RunningApp run;
    StartCurve(run);
    for (int i = 0; i < 64; ++i)
        Click(run, 2 + 5 * (i % 8), 2 + 5 * (i / 8));
    ASSERT_EQ(PointCount(run), 64);
    Mouse(run, wm::kLButtonDown, 41, 41);
    ASSERT_EQ(run.platform.MessageBoxes().size(), 1u);
    const RecordedMessageBox& box = run.platform.MessageBoxes().back();
    EXPECT_EQ(box.text, "点の数が限界です。");
    EXPECT_EQ(box.caption, "注意");
    EXPECT_FALSE(box.capture);
    Mouse(run, wm::kLButtonUp, 41, 41);
    Click(run, 2, 2);  // nor is a point taken to be dragged
    EXPECT_EQ(run.platform.MessageBoxes().size(), 2u);
    EXPECT_EQ(run.Doc().pendingOp, pending::kCurvePlacing);
    EXPECT_EQ(PointCount(run), 64);
}

// The settings window shows the settings, and what is typed reaches them at once.
TEST(MainWindowCurve, SettingsWindowTakesWhatIsTyped) {
    RunningApp run;
    const WindowHandle handle = run.Main().satellites.curveSettingsDialog.Handle();
    HeadlessDialog* dialog = run.platform.ModelessDialog(handle);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->Text(IDC_CURVE_RANGE_UPPER), "10");
    EXPECT_EQ(dialog->Text(IDC_CURVE_ERROR_X), "0");
    const CurveSettings& settings = run.Doc().curveSettings;
    const struct {
        int control;
        const char* text;
        int upper, lower;
        double offsetX;
    } cases[] = {
        {IDC_CURVE_RANGE_UPPER, "1", 2, 2, 0.0},
        {IDC_CURVE_RANGE_UPPER, "10", 10, 10, 0.0},
        {IDC_CURVE_RANGE_LOWER, "abc", 10, 2, 0.0},
        {IDC_CURVE_RANGE_LOWER, "20", 10, 10, 0.0},
        {IDC_CURVE_ERROR_X, "1.5px", 10, 10, 1.5},
        {IDC_CURVE_ERROR_X, "1e999", 10, 10, 0.0},  // not a number a pixel can be
    };
    for (const auto& c : cases) {
        dialog->Type(c.control, c.text);
        EXPECT_EQ(settings.values[0], c.upper) << c.text;
        EXPECT_EQ(settings.values[1], c.lower) << c.text;
        EXPECT_EQ(settings.reals[0], c.offsetX) << c.text;
    }
    dialog->Click(IDC_CURVE_FIX_END);
    EXPECT_EQ(settings.values[3], 1);
    EXPECT_EQ(settings.values[2], 0);
}

}  // namespace
}  // namespace daub
