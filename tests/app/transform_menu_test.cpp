// The transform menu as a user drives it: keys, dialogs and questions in, pixels out.
#include <gtest/gtest.h>

#include <optional>

#include "app/command_ids.h"
#include "document/slot_view.h"
#include "document/undo_history.h"
#include "platform/message_box.h"
#include "tests/app/app_fixture.h"

namespace daub {
namespace {

using test::RunningApp;

constexpr char kQuestion[] = "「元に戻す」が使えなくなります。よろしいですか？";

// The colour that names a pixel's place in the test picture.
COLORREF Place(int x, int y) {
    return MakeColour(x, y, 7);
}

COLORREF Pixel(RunningApp& run, int slot, int x, int y) {
    return LoadPixel(ViewOf(*run.Doc().layerStack, slot, 0).At(x, y));
}

// A 100 x 80 picture whose pixels name their place, with one step in its undo history.
void Picture(RunningApp& run) {
    run.New("100", "80");
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x)
            StorePixel(ViewOf(*run.Doc().layerStack, LayerStack::kFirstLayer, 0).At(x, y),
                       Place(x, y));
    run.Main().CompositeDocument();
    run.Main().TakeSnapshot(SnapshotKind::Always);
}

void Mouse(RunningApp& run, unsigned message, int x, int y) {
    run.platform.Send(run.MainHandle(), {message, 0, MakeLParam(x + 2, y + 2)});
}

// A range dragged with the range tool from (x0, y0) to (x1, y1) at zoom 1.
void SelectRange(RunningApp& run, int x0, int y0, int x1, int y1) {
    run.Main().satellites.toolbox.leftTool = ToolKind::RangeSelect;
    run.platform.Send(run.MainHandle(), {0x0400 + 1, 0, 0});
    Mouse(run, wm::kLButtonDown, x0, y0);
    Mouse(run, wm::kMouseMove, x1, y1);
    Mouse(run, wm::kLButtonUp, x1, y1);
    ASSERT_EQ(run.Doc().pendingOp, pending::kRangeSelected);
}

// An entry accepted reaches the edited layer as one step of its history, even one that
// changes no pixel; a turn of -360° is a little short of a whole one.
TEST(TransformMenu, StretchAndRotateRefusesEntriesOutsideTheirRanges) {
    const COLORREF unchanged = Place(99, 79);
    const struct {
        int control;
        const char* text;
        bool accepted;
        COLORREF corner;  // at (99, 79)
    } cases[] = {{1005, "100", true, unchanged},      {1005, "0.01", true, kTransparentColour},
                 {1005, "0.0099", false, unchanged},  {1006, "1000000", true, Place(99, 40)},
                 {1006, "1000001", false, unchanged}, {1007, "-360", true, Place(99, 78)},
                 {1007, "360.5", false, unchanged},   {1007, "1/2", false, unchanged}};
    for (const auto& c : cases) {
        RunningApp run;
        Picture(run);
        bool open = false;
        int focus = 0;
        run.platform.dialogScript.push_back([&](HeadlessDialog& d) {
            EXPECT_EQ(d.Text(1005) + "|" + d.Text(1006) + "|" + d.Text(1007), "100|100|0");
            EXPECT_FALSE(d.Checked(1008));
            d.Type(c.control, c.text);
            d.PressOk();
            open = d.IsOpen();
            focus = d.FocusedControl();
            if (open) d.PressCancel();
        });
        run.platform.PressKey(run.MainHandle(), 'R', true);
        EXPECT_EQ(run.platform.Dialogs().back().templateId, 136);
        EXPECT_TRUE(run.platform.Dialogs().back().faults.empty());
        EXPECT_EQ(open, !c.accepted) << c.text;
        if (!c.accepted) {
            EXPECT_EQ(focus, c.control) << c.text;
            EXPECT_EQ(run.platform.MessageBoxes().back().text, "") << c.text;
            EXPECT_EQ(run.platform.MessageBoxes().back().type & 0xF0, mb::kIconExclamation);
        }
        EXPECT_EQ(UndoPosition(run.Doc()), c.accepted ? 2 : 1) << c.text;
        EXPECT_EQ(Pixel(run, LayerStack::kFirstLayer, 99, 79), c.corner) << c.text;
        EXPECT_EQ(Pixel(run, LayerStack::kDisplaySlot, 99, 79), c.corner) << c.text;
    }
}

// A flipped range floats over the picture, put down into the layer only when it ends.
TEST(TransformMenu, FlipsTurnTheRangeIfThereIsOneElseTheLayer) {
    const struct {
        const char* name;
        bool range;
        int key;
        Point at, from;
    } cases[] = {{"layer, left-right", false, 'R', {0, 5}, {99, 5}},
                 {"range, left-right", true, 'R', {10, 20}, {39, 20}},
                 {"range, top-bottom", true, 'U', {10, 20}, {10, 59}}};
    for (const auto& c : cases) {
        RunningApp run;
        Picture(run);
        if (c.range) SelectRange(run, 10, 20, 40, 60);
        run.platform.PressKey(run.MainHandle(), c.key, false, true);
        const COLORREF want = Place(c.from.x, c.from.y);
        EXPECT_EQ(Pixel(run, LayerStack::kDisplaySlot, c.at.x, c.at.y), want) << c.name;
        EXPECT_EQ(run.Doc().pendingOp, c.range ? pending::kRangeFloating : pending::kNone);
        EXPECT_EQ(Pixel(run, LayerStack::kFirstLayer, c.at.x, c.at.y),
                  c.range ? Place(c.at.x, c.at.y) : want)
            << c.name;
        run.Main().EndPendingOperation(0);
        EXPECT_EQ(Pixel(run, LayerStack::kFirstLayer, c.at.x, c.at.y), want) << c.name;
        EXPECT_EQ(UndoPosition(run.Doc()), 2) << c.name;
    }
}

// Turning a lifted range leaves nothing of it as it was: its corners show the hole beneath,
// on screen and in the display that a save writes.
TEST(TransformMenu, ATurnedFloatingRangeLeavesNoTraceOfItsOldSelf) {
    RunningApp run;
    Picture(run);
    SelectRange(run, 10, 20, 40, 60);
    Mouse(run, wm::kLButtonDown, 25, 40);
    Mouse(run, wm::kLButtonUp, 25, 40);
    ASSERT_EQ(run.Doc().pendingOp, pending::kRangeFloating);
    run.platform.dialogScript.push_back([](HeadlessDialog& d) {
        d.Type(1007, "30");
        d.PressOk();
    });
    run.platform.PressKey(run.MainHandle(), 'R', true);
    EXPECT_EQ(Pixel(run, LayerStack::kDisplaySlot, 10, 20), kTransparentColour);
    run.Main().EndPendingOperation(0);
    EXPECT_EQ(Pixel(run, LayerStack::kDisplaySlot, 10, 20), kTransparentColour);
    EXPECT_EQ(Pixel(run, LayerStack::kFirstLayer, 10, 20), kTransparentColour);
}

// Resize (by the dialog's width) and trim (to the range) cut or extend the canvas once the
// user agrees to lose the history: zoom 1, nothing pending, and the picture counts as changed.
TEST(TransformMenu, ResizeAndTrimCutOrExtendTheCanvasOnceAgreed) {
    const struct {
        const char* name;
        const char* width;  // resize to this width, or trim when null
        bool centre;
        Rect drag;  // trim: the range, corner to corner
        int answer;
        Point size, at;
        std::optional<Point> from;  // none: transparentColour
    } cases[] = {
        {"narrower, centred", "60", true, {}, answer::kYes, {60, 80}, {0, 0}, Point{20, 0}},
        {"narrower, at the left", "60", false, {}, answer::kYes, {60, 80}, {59, 79}, Point{59, 79}},
        {"one wider, centred", "101", true, {}, answer::kYes, {101, 80}, {100, 0}, std::nullopt},
        {"same size", "100", true, {}, answer::kYes, {100, 80}, {0, 0}, Point{0, 0}},
        {"not agreed", "60", true, {}, answer::kNo, {100, 80}, {0, 0}, Point{0, 0}},
        {"trim", nullptr, 0, {10, 20, 40, 60}, answer::kYes, {30, 40}, {0, 0}, Point{10, 20}},
        {"trim beyond", nullptr, 0, {90, 70, 110, 90}, answer::kYes, {20, 20}, {10, 10}, {}},
    };
    for (const auto& c : cases) {
        RunningApp run;
        Picture(run);
        if (c.width) {
            run.platform.PressKey(run.MainHandle(), 0x22);  // zoom 2
            run.platform.dialogScript.push_back([&](HeadlessDialog& d) {
                EXPECT_TRUE(d.Checked(1004));
                d.Type(1001, c.width);
                if (!c.centre) d.Click(1004);
                d.PressOk();
            });
        } else {
            SelectRange(run, c.drag.x, c.drag.y, c.drag.width, c.drag.height);
        }
        run.Doc().modified = 0;
        run.platform.answers.push_back(c.answer);
        run.platform.SendCommand(run.MainHandle(), c.width ? cmd::kResizeCanvas : cmd::kTrim);
        EXPECT_EQ(run.platform.MessageBoxes().back().text, kQuestion) << c.name;
        EXPECT_EQ(run.platform.MessageBoxes().back().caption, "警告！！") << c.name;
        EXPECT_EQ(run.Doc().layerStack->Width(0), c.size.x) << c.name;
        EXPECT_EQ(run.Doc().layerStack->Height(0), c.size.y) << c.name;
        const COLORREF want = c.from ? Place(c.from->x, c.from->y) : kTransparentColour;
        for (int slot : {LayerStack::kFirstLayer, LayerStack::kDisplaySlot})
            EXPECT_EQ(Pixel(run, slot, c.at.x, c.at.y), want) << c.name << " slot " << slot;
        const bool changed = c.size.x != 100 || c.size.y != 80;
        EXPECT_EQ(UndoPosition(run.Doc()), changed ? 0 : 1) << c.name;
        EXPECT_EQ(run.Doc().modified, changed ? 1 : 0) << c.name;
        if (!changed) continue;
        EXPECT_EQ(run.Doc().zoom, 1.0f) << c.name;
        EXPECT_EQ(run.Doc().pendingOp, pending::kNone) << c.name;
        EXPECT_EQ(run.Main().Info().values.mode, 0) << c.name;
    }
}

// No size of 0, and no size whose slots cannot all be had: the picture stays as it was, and
// running out of memory is said.
TEST(TransformMenu, ACanvasThatCannotBeMadeLeavesThePictureAsItWas) {
    const struct {
        const char* name;
        const char* width;  // resize to this, or trim when null
        Rect range;         // trim: the selection
        std::size_t limit;
        bool told;
    } cases[] = {{"resize to 0 wide", "0", {}, 0, false},
                 {"trim to an empty range", nullptr, {10, 20, 0, 40}, 0, false},
                 {"resize beyond the memory", "10000", {}, 30000, true},
                 {"trim beyond the memory", nullptr, {10, 20, 30, 40}, 3000, true}};
    const std::size_t limit = LayerStack::AllocationLimit();
    for (const auto& c : cases) {
        RunningApp run;
        Picture(run);
        if (c.limit) LayerStack::AllocationLimit() = c.limit;
        if (c.width) {
            run.platform.dialogScript.push_back([&](HeadlessDialog& d) {
                d.Type(1001, c.width);
                d.Type(1002, "10000");
                d.PressOk();
            });
        } else {
            run.Doc().pendingOp = pending::kRangeSelected;
            run.Doc().selection = c.range;
        }
        const std::size_t boxes = run.platform.MessageBoxes().size();
        run.platform.SendCommand(run.MainHandle(), c.width ? cmd::kResizeCanvas : cmd::kTrim);
        LayerStack::AllocationLimit() = limit;
        const auto& shown = run.platform.MessageBoxes();
        EXPECT_EQ(shown.size() > boxes && shown.back().caption == "エラー", c.told) << c.name;
        if (c.width && !c.limit) {
            EXPECT_EQ(shown.size(), boxes) << c.name;  // not even asked
        }
        EXPECT_EQ(run.Doc().layerStack->Width(0), 100) << c.name;
        EXPECT_EQ(Pixel(run, LayerStack::kDisplaySlot, 50, 40), Place(50, 40)) << c.name;
        EXPECT_EQ(Pixel(run, LayerStack::kFirstLayer, 50, 40), Place(50, 40)) << c.name;
        EXPECT_EQ(UndoPosition(run.Doc()), 1) << c.name;
        EXPECT_EQ(run.Doc().pendingOp, c.width ? pending::kNone : pending::kRangeSelected);
    }
}

}  // namespace
}  // namespace daub
