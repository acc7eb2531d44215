#include "app/spray_settings_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "document/slot_view.h"
#include "platform/message_box.h"
#include "tests/app/app_fixture.h"

namespace daub {
namespace {

using test::RunningApp;
using S = SpraySettingsDialog;

struct Settings {
    int kind, size, strength;
    bool operator==(const Settings&) const = default;
};

Settings Stored(RunningApp& run) {
    return {run.Doc().sprayKind, run.Doc().spraySize, run.Doc().sprayStrength};
}

int OpenSpraySettings(RunningApp& run, std::function<void(HeadlessDialog&)> turn) {
    run.platform.dialogScript.push_back(std::move(turn));
    run.platform.SendCommand(run.MainHandle(), cmd::kSpraySettings);
    return run.platform.Dialogs().back().result;
}

TEST(SpraySettingsDialog, OpensWithTheWindowsSettings) {
    RunningApp run;
    EXPECT_EQ(Stored(run), (Settings{0, 4, 4}));
    run.Doc().sprayKind = 2;
    run.Doc().spraySize = 7;
    run.Doc().sprayStrength = 90;
    OpenSpraySettings(run, [](HeadlessDialog& d) {
        EXPECT_EQ(d.ListItems(S::kKindList),
                  (std::vector<std::string>{"ぼかし", "αブレンド", "ノイズ"}));
        EXPECT_EQ(d.Text(S::kKindList), "ノイズ");
        EXPECT_EQ(d.Text(S::kSizeEdit), "7");
        EXPECT_EQ(d.Text(S::kStrengthEdit), "90");
        d.PressOk();
    });
    EXPECT_EQ(Stored(run), (Settings{2, 7, 90}));
    EXPECT_EQ(run.platform.Dialogs().back().templateId, 140);
    EXPECT_TRUE(run.platform.Dialogs().back().faults.empty());
}

TEST(SpraySettingsDialog, ChoosingAKindOffersItsStrength) {
    RunningApp run;
    std::vector<std::string> offered;
    OpenSpraySettings(run, [&](HeadlessDialog& d) {
        for (const char* kind : {"αブレンド", "ノイズ", "ぼかし", "ノイズ"}) {
            d.Type(S::kStrengthEdit, "33");
            d.PickListItem(S::kKindList, kind);
            offered.push_back(d.Text(S::kStrengthEdit));
        }
        d.PressOk();
    });
    EXPECT_EQ(offered, (std::vector<std::string>{"125", "80", "2", "80"}));
    EXPECT_EQ(Stored(run), (Settings{2, 4, 80}));
}

// Size 1 … 40 for every kind; strength 1 … 40 for blur, 1 … 255 for the other two, limited
// by the kind chosen when OK is pressed.
TEST(SpraySettingsDialog, OkBringsSizeAndStrengthIntoTheKindsLimits) {
    const struct {
        const char* kind;
        const char* size;
        const char* strength;
        Settings stored;
    } cases[] = {
        {"αブレンド", "4", "300", {1, 4, 255}},
        {"αブレンド", "4", "255", {1, 4, 255}},
        {"αブレンド", "4", "254", {1, 4, 254}},
        {"ノイズ", "0", "0", {2, 1, 1}},
        {"ノイズ", "41", "256", {2, 40, 255}},
        {"ぼかし", "40", "41", {0, 40, 40}},
        {"ぼかし", "1", "1", {0, 1, 1}},
        {"ぼかし", " +12 ", "99999999999999999999999", {0, 12, 40}},
    };
    for (const auto& c : cases) {
        RunningApp run;
        EXPECT_EQ(OpenSpraySettings(run,
                                    [&](HeadlessDialog& d) {
                                        d.PickListItem(S::kKindList, c.kind);
                                        d.Type(S::kSizeEdit, c.size);
                                        d.Type(S::kStrengthEdit, c.strength);
                                        d.PressOk();
                                    }),
                  1);
        EXPECT_EQ(Stored(run), c.stored) << c.kind << " " << c.size << " " << c.strength;
    }
}

// The road of the settings: dialog, spray chosen in the toolbox, red from the colour box,
// one click on the canvas.
TEST(SpraySettingsDialog, TheSprayToolPaintsWithWhatOkStored) {
    RunningApp run;
    run.New("20", "10");
    OpenSpraySettings(run, [](HeadlessDialog& d) {
        d.PickListItem(S::kKindList, "αブレンド");
        d.Type(S::kSizeEdit, "3");
        d.Type(S::kStrengthEdit, "300");
        d.PressOk();
    });
    const auto click = [&](WindowHandle window, unsigned down, unsigned up, int x, int y) {
        run.platform.Send(window, {down, 0, MakeLParam(x, y)});
        run.platform.Send(window, {up, 0, MakeLParam(x, y)});
    };
    click(run.Main().satellites.toolbox.Handle(), wm::kLButtonDown, wm::kLButtonUp, 5,
          105);  // Spray
    click(run.Main().satellites.palette.Handle(), wm::kLButtonDown, wm::kLButtonUp, 67,
          21);  // red, cell 5
    ASSERT_EQ(run.Doc().leftTool, ToolKind::Spray);
    ASSERT_EQ(run.Doc().drawColour, 0x0000FFu);
    click(run.MainHandle(), wm::kLButtonDown, wm::kLButtonUp, 2 + 10, 2 + 5);

    // Full strength over white falls one short of the colour, over the 3 x 3 square only.
    for (int slot : {LayerStack::kFirstLayer, LayerStack::kDisplaySlot}) {
        const SlotView v = ViewOf(*run.Doc().layerStack, slot, 0);
        for (int y = 0; y < v.height; ++y) {
            for (int x = 0; x < v.width; ++x) {
                const bool inside = x >= 9 && x <= 11 && y >= 4 && y <= 6;
                EXPECT_EQ(LoadPixel(v.At(x, y)), inside ? MakeColour(254, 0, 0) : 0xFFFFFFu)
                    << slot << " " << x << "," << y;
            }
        }
    }
}

TEST(SpraySettingsDialog, RefusesTextsThatAreNoUnsignedNumber) {
    RunningApp run;
    const struct {
        const char* size;
        const char* strength;
        int focus;
    } cases[] = {
        {"", "4", S::kSizeEdit},       {"-3", "4", S::kSizeEdit},   {"1.5", "4", S::kSizeEdit},
        {"abc", "x", S::kSizeEdit},    {"4", "", S::kStrengthEdit}, {"4", "-1", S::kStrengthEdit},
        {"4", "7a", S::kStrengthEdit},
    };
    std::vector<int> focus;
    OpenSpraySettings(run, [&](HeadlessDialog& d) {
        d.PickListItem(S::kKindList, "ノイズ");
        for (const auto& c : cases) {
            d.Type(S::kSizeEdit, c.size);
            d.Type(S::kStrengthEdit, c.strength);
            d.Focus(S::kKindList);
            d.PressOk();
            EXPECT_TRUE(d.IsOpen()) << c.size << " " << c.strength;
            focus.push_back(d.FocusedControl());
        }
        d.PressCancel();
    });
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(focus.at(i), cases[i].focus) << i;
    ASSERT_EQ(run.platform.MessageBoxes().size(), std::size(cases));
    for (const RecordedMessageBox& box : run.platform.MessageBoxes()) {
        EXPECT_EQ(box.text, "");
        EXPECT_EQ(box.type, mb::kOk | mb::kIconExclamation);
    }
    EXPECT_EQ(Stored(run), (Settings{0, 4, 4}));  // Cancel kept the kind chosen from it too
}

}  // namespace
}  // namespace daub
