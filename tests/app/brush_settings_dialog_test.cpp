#include "app/brush_settings_dialog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "document/brush_kernel.h"
#include "platform/message_box.h"
#include "tests/app/app_fixture.h"

namespace daub {
namespace {

using test::RunningApp;
using D = BrushSettingsDialog;

struct Shown {
    std::string size, density, distribution;
    int sizeSlider, densitySlider, distributionSlider;
    bool operator==(const Shown&) const = default;
};

Shown Read(const HeadlessDialog& d) {
    return {d.Text(D::kSizeEdit),
            d.Text(D::kDensityEdit),
            d.Text(D::kDistributionEdit),
            d.SliderPosition(D::kSizeSlider),
            d.SliderPosition(D::kDensitySlider),
            d.SliderPosition(D::kDistributionSlider)};
}

void PrintTo(const Shown& s, std::ostream* os) {
    *os << s.size << " " << s.density << " " << s.distribution << " / " << s.sizeSlider << " "
        << s.densitySlider << " " << s.distributionSlider;
}

// The grey of preview pixel (column, row) as the dialog shows it.
std::uint32_t PreviewPixel(RunningApp& run, const HeadlessDialog& d, int column, int row) {
    return run.platform.Surface(d.Handle())
        ->Pixel(D::kPreviewArea.left + column, D::kPreviewArea.top + row);
}

constexpr std::uint32_t Grey(int level) {
    return static_cast<std::uint32_t>(level) * 0x010101u;
}

const BrushKernel& Kernel(RunningApp& run) {
    return run.Doc().layerStack->brushKernel;
}

// Opens the dialog with one turn of the user's; returns the dialog's result.
int OpenBrushSettings(RunningApp& run, std::function<void(HeadlessDialog&)> turn) {
    run.platform.dialogScript.push_back(std::move(turn));
    run.platform.SendCommand(run.MainHandle(), cmd::kBrushSettings);
    return run.platform.Dialogs().back().result;
}

TEST(BrushSettingsDialog, OpensWithTheKernelsSettingsListAndPreview) {
    RunningApp run;
    run.New("40", "30");
    EXPECT_EQ(run.platform.PressKey(run.MainHandle(), 'B', true), KeyOutcome::kCommand);
    ASSERT_EQ(run.platform.Dialogs().size(), 2u);
    EXPECT_EQ(run.platform.Dialogs().back().templateId, 137);

    OpenBrushSettings(run, [&](HeadlessDialog& d) {
        EXPECT_EQ(Read(d), (Shown{"10", "500", "3", 25, 5, 60}));
        std::vector<std::string> names;
        for (const BrushPreset& preset : kBrushPresets)
            names.push_back(preset.name);
        EXPECT_EQ(d.ListItems(D::kPresetList), names);
        EXPECT_EQ(d.ListSelection(D::kPresetList), -1);
        // 500 / r^3: black at r = 1, 255 − 62 at r = 2, the centre as at r = √2 (176.8),
        // mid grey from r = 10 on.
        EXPECT_EQ(PreviewPixel(run, d, 33, 32), Grey(0));
        EXPECT_EQ(PreviewPixel(run, d, 32, 34), Grey(193));
        EXPECT_EQ(PreviewPixel(run, d, 32, 32), Grey(79));
        EXPECT_EQ(PreviewPixel(run, d, 41, 32), Grey(255));  // 500 / 729, r = 9
        EXPECT_EQ(PreviewPixel(run, d, 42, 32), Grey(0x80));
        EXPECT_EQ(PreviewPixel(run, d, 0, 0), Grey(0x80));
    });
    EXPECT_TRUE(run.platform.Dialogs().back().faults.empty());
}

TEST(BrushSettingsDialog, PresetsWriteFormattedTextsAndMoveTheSliders) {
    RunningApp run;
    const struct {
        const char* name;
        Shown shown;
    } cases[] = {
        {"4:普通中", {"15.0", "3000", "2.00", 37, 30, 40}},
        {"0:薄小", {"5.0", "   4", "0.20", 12, 0, 4}},  // 3.5 rounds in "%4.0f"
        {"8:濃大", {"30.0", "4000", "1.20", 75, 40, 24}},
        {"3:普通小", {"5.0", "4000", "3.20", 12, 40, 64}},
    };
    for (const auto& c : cases) {
        OpenBrushSettings(run, [&](HeadlessDialog& d) {
            const int redraws = d.Redraws();
            d.PickListItem(D::kPresetList, c.name);
            EXPECT_EQ(Read(d), c.shown) << c.name;
            EXPECT_GT(d.Redraws(), redraws) << c.name;
            // The preview shows the preset: inside R it is no longer the outside grey.
            EXPECT_NE(PreviewPixel(run, d, 32 + 4, 32), Grey(0x80)) << c.name;
            EXPECT_EQ(PreviewPixel(run, d, 32, 32 - 29) == Grey(0x80),
                      std::string(c.name) != "8:濃大")
                << c.name;
        });
    }
}

TEST(BrushSettingsDialog, ReleasedSlidersWriteTheirEditsAndKeysDoNot) {
    RunningApp run;
    const struct {
        int slider;
        int position;
        int edit;
        const char* text;
    } cases[] = {
        {D::kSizeSlider, 0, D::kSizeEdit, "0"},
        {D::kSizeSlider, 2, D::kSizeEdit, "0"},
        {D::kSizeSlider, 3, D::kSizeEdit, "1"},
        {D::kSizeSlider, 37, D::kSizeEdit, "14"},
        {D::kSizeSlider, 100, D::kSizeEdit, "40"},
        {D::kDensitySlider, 0, D::kDensityEdit, "0"},
        {D::kDensitySlider, 100, D::kDensityEdit, "10000"},
        {D::kDistributionSlider, 1, D::kDistributionEdit, "0.05"},
        {D::kDistributionSlider, 40, D::kDistributionEdit, "2.00"},
        {D::kDistributionSlider, 100, D::kDistributionEdit, "5.00"},
    };
    OpenBrushSettings(run, [&](HeadlessDialog& d) {
        for (const auto& c : cases) {
            d.DragSlider(c.slider, c.position);
            EXPECT_EQ(d.Text(c.edit), c.text) << c.slider << " at " << c.position;
        }
        d.SlideWithKeys(D::kSizeSlider, 50);
        EXPECT_EQ(d.Text(D::kSizeEdit), "40");
        // Typing leaves the sliders where they are but redraws the preview.
        d.Type(D::kSizeEdit, "2");
        EXPECT_EQ(d.SliderPosition(D::kSizeSlider), 50);
        EXPECT_EQ(PreviewPixel(run, d, 34, 32), Grey(0x80));
    });
}

// The size slider writes whole pixels: its lowest positions give a size the OK check
// refuses, its highest the largest size accepted.
TEST(BrushSettingsDialog, SizeSliderEndsMeetTheOkCheck) {
    RunningApp run;
    run.New("40", "30");
    OpenBrushSettings(run, [&](HeadlessDialog& d) {
        for (int position : {0, 2}) {
            d.DragSlider(D::kSizeSlider, position);
            d.Focus(D::kPresetList);
            d.PressOk();
            EXPECT_TRUE(d.IsOpen()) << position;
            EXPECT_EQ(d.FocusedControl(), D::kSizeEdit) << position;
        }
        d.DragSlider(D::kSizeSlider, 100);
        d.PressOk();
        EXPECT_FALSE(d.IsOpen());
    });
    EXPECT_EQ(run.platform.MessageBoxes().size(), 2u);
    EXPECT_EQ(Kernel(run).radius, 40.0);
    EXPECT_GE(Kernel(run).At(32, 0), 0.0f);  // r = 32 lies inside the brush now
}

// The first bad field in the order a, b, R is reported, with an empty exclamation box,
// and the focus goes to it.
TEST(BrushSettingsDialog, OkChecksDensityThenDistributionThenSize) {
    RunningApp run;
    const BrushKernel before = Kernel(run);
    const struct {
        const char* size;
        const char* density;
        const char* distribution;
        int focus;  // 0: accepted
    } cases[] = {
        {"0", "0", "9", D::kDensityEdit},
        {"0", "0.01", "9", D::kDistributionEdit},
        {"0", "10000", "5", D::kSizeEdit},
        {"40.5", "500", "3", D::kSizeEdit},
        {"0.99", "500", "3", D::kSizeEdit},
        {"10", "0.009", "3", D::kDensityEdit},
        {"10", "10000.5", "3", D::kDensityEdit},
        {"10", "500", "-0.01", D::kDistributionEdit},
        {"10", "500", "5.01", D::kDistributionEdit},
        {"10", "abc", "3", D::kDensityEdit},
        {"10", "", "3", D::kDensityEdit},
        {"10", "nan", "3", D::kDensityEdit},
        {"10", "inf", "3", D::kDensityEdit},
        {"10", "0x10", "3", D::kDensityEdit},
        {"10", "5e", "3", D::kDensityEdit},
        {"10", "500", "3 x", D::kDistributionEdit},
    };
    std::vector<int> focus;
    OpenBrushSettings(run, [&](HeadlessDialog& d) {
        for (const auto& c : cases) {
            d.Type(D::kSizeEdit, c.size);
            d.Type(D::kDensityEdit, c.density);
            d.Type(D::kDistributionEdit, c.distribution);
            d.Focus(D::kPresetList);
            d.PressOk();
            EXPECT_TRUE(d.IsOpen()) << c.size << " " << c.density << " " << c.distribution;
            focus.push_back(d.FocusedControl());
        }
    });
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(focus.at(i), cases[i].focus) << i;
    ASSERT_EQ(run.platform.MessageBoxes().size(), std::size(cases));
    for (const RecordedMessageBox& box : run.platform.MessageBoxes()) {
        EXPECT_EQ(box.text, "");
        EXPECT_EQ(box.caption, "Daubix");
        EXPECT_EQ(box.type, mb::kOk | mb::kIconExclamation);
    }
    EXPECT_EQ(Kernel(run).weights, before.weights);  // refused every time, then cancelled
}

TEST(BrushSettingsDialog, OkRecomputesTheKernelAndCancelLeavesIt) {
    RunningApp run;
    run.New("40", "30");
    const BrushKernel before = Kernel(run);
    EXPECT_EQ(OpenBrushSettings(run,
                                [](HeadlessDialog& d) {
                                    d.PickListItem(D::kPresetList, "4:普通中");
                                    d.PressCancel();
                                }),
              2);
    EXPECT_EQ(Kernel(run).weights, before.weights);
    EXPECT_EQ(Kernel(run).radius, 10.0);

    // The limits themselves are accepted.
    EXPECT_EQ(OpenBrushSettings(run,
                                [](HeadlessDialog& d) {
                                    d.Type(D::kSizeEdit, " 1.25 ");
                                    d.Type(D::kDensityEdit, "0.01");
                                    d.Type(D::kDistributionEdit, "0");
                                    d.PressOk();
                                }),
              1);
    EXPECT_EQ(Kernel(run).radius, 1.25);
    EXPECT_EQ(Kernel(run).density, 0.01);
    EXPECT_EQ(Kernel(run).distribution, 0.0);
    EXPECT_FLOAT_EQ(Kernel(run).At(32, 33), 0.01f);  // r = 1
    EXPECT_LT(Kernel(run).At(33, 33), 0.0f);         // r = √2 is beyond R = 1.25
    EXPECT_LT(Kernel(run).At(32, 32), 0.0f);         // the centre copies it

    // The dialog opens with what OK stored, and a preset is taken as its texts read.
    OpenBrushSettings(run, [](HeadlessDialog& d) {
        EXPECT_EQ(Read(d), (Shown{"1.25", "0.01", "0", 3, 0, 0}));
        d.PickListItem(D::kPresetList, "0:薄小");
        d.PressOk();
    });
    EXPECT_EQ(Kernel(run).radius, 5.0);
    EXPECT_EQ(Kernel(run).density, 4.0);  // "   4": the list's text, not the table's 3.5
    EXPECT_DOUBLE_EQ(Kernel(run).distribution, 0.2);
}

TEST(BrushSettingsDialog, CommandsNeedADocumentAndNoPendingOperation) {
    RunningApp run;
    EXPECT_EQ(run.platform.PressKey(run.MainHandle(), 'B', true), KeyOutcome::kSuppressed);
    EXPECT_EQ(run.platform.PressKey(run.MainHandle(), 'P', true), KeyOutcome::kSuppressed);
    EXPECT_TRUE(run.platform.Dialogs().empty());
    run.New("40", "30");
    EXPECT_EQ(run.platform.PressKey(run.MainHandle(), 'P', true), KeyOutcome::kCommand);
    ASSERT_EQ(run.platform.Dialogs().size(), 2u);
    EXPECT_EQ(run.platform.Dialogs().back().templateId, 140);

    run.Doc().pendingOp = pending::kRangeSelected;
    run.Doc().selection = {0, 0, 10, 10};
    EXPECT_EQ(run.platform.PressKey(run.MainHandle(), 'B', true), KeyOutcome::kSuppressed);
    EXPECT_EQ(run.platform.PressKey(run.MainHandle(), 'P', true), KeyOutcome::kSuppressed);
    EXPECT_EQ(run.platform.Dialogs().size(), 2u);
}

// The preview reads whatever the edits hold; wild values still give a picture.
TEST(BrushPreview, ShowsEveryWeightTheEditsCanGive) {
    const auto at = [](const BrushPreview& p, int column, int row) {
        return p[static_cast<std::size_t>(row * kBrushPreviewSide + column)];
    };
    // b = 0: a flat disc of weight a.
    const BrushPreview flat = ComputeBrushPreview(5.0, 100.0, 0.0);
    EXPECT_EQ(at(flat, 36, 32), 155);
    EXPECT_EQ(at(flat, 32, 32), 155);
    EXPECT_EQ(at(flat, 37, 32), 0x80);
    // 1 < R ≤ √2: the four neighbours alone; the centre copies its grey diagonal.
    const BrushPreview small = ComputeBrushPreview(1.2, 50.0, 2.0);
    EXPECT_EQ(at(small, 33, 32), 205);
    EXPECT_EQ(at(small, 32, 31), 205);
    EXPECT_EQ(at(small, 33, 33), 0x80);
    EXPECT_EQ(at(small, 32, 32), 0x80);
    // R ≤ 1 or a text that read as 0: nothing but grey.
    for (double radius : {1.0, 0.0, -5.0}) {
        const BrushPreview none = ComputeBrushPreview(radius, 500.0, 3.0);
        for (std::uint8_t grey : none)
            ASSERT_EQ(grey, 0x80) << radius;
    }
    // Weights no int holds: black for a huge one, white for a negative or undefined one.
    EXPECT_EQ(at(ComputeBrushPreview(40.0, 1e300, 0.0), 10, 10), 0);
    EXPECT_EQ(at(ComputeBrushPreview(40.0, 500.0, -400.0), 10, 10), 0);
    EXPECT_EQ(at(ComputeBrushPreview(40.0, -1e300, 0.0), 10, 10), 255);
    EXPECT_EQ(at(ComputeBrushPreview(40.0, std::nan(""), 3.0), 10, 10), 255);
    EXPECT_EQ(at(ComputeBrushPreview(40.0, 256.0, 0.0), 10, 10), 0);
    EXPECT_EQ(at(ComputeBrushPreview(40.0, 255.9, 0.0), 10, 10), 0);
    EXPECT_EQ(at(ComputeBrushPreview(40.0, 254.9, 0.0), 10, 10), 1);
    // R = 40: every pixel but the far corners carries weight.
    const BrushPreview wide = ComputeBrushPreview(40.0, 1.0, 0.0);
    EXPECT_EQ(at(wide, 0, 32), 254);
    EXPECT_EQ(at(wide, 0, 0), 0x80);  // r = 45.3
}

TEST(BrushSettingsDialog, TheEditsTextsDriveThePreview) {
    RunningApp run;
    OpenBrushSettings(run, [&](HeadlessDialog& d) {
        d.Type(D::kDensityEdit, "1e300");
        EXPECT_EQ(PreviewPixel(run, d, 36, 32), Grey(0));
        d.Type(D::kDensityEdit, "-7");
        EXPECT_EQ(PreviewPixel(run, d, 36, 32), Grey(255));
        d.Type(D::kSizeEdit, "abc");  // reads as 0: no brush at all
        EXPECT_EQ(PreviewPixel(run, d, 33, 32), Grey(0x80));
        EXPECT_EQ(PreviewPixel(run, d, 32, 32), Grey(0x80));
    });
}

}  // namespace
}  // namespace daub
