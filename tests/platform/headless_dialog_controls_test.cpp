// Trackbars, drop-down lists and the model's own painting in the headless backend's modal
// dialogs, on the program's brush and spray templates (137 and 140).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_model.h"
#include "platform/headless/headless_platform.h"
#include "tests/platform/recording_window.h"
#include "tests/support/program_resources.h"

namespace daub {
namespace {

constexpr int kSortedList = 1027;    // CBS_SORT in template 137
constexpr int kSlider = 1019;        // a trackbar of template 137
constexpr int kUnsortedList = 1033;  // template 140

class ScriptedModel : public DialogModel {
  public:
    explicit ScriptedModel(int templateId) : templateId_(templateId) {}
    int TemplateId() const override { return templateId_; }
    void Load(DialogControls& controls) override {
        if (load) load(controls);
    }
    bool Save(DialogControls&) override { return true; }
    void OnCommand(DialogControls&, int control, int notification) override {
        events.emplace_back(control, notification);
    }
    void Paint(DialogControls&, DeviceContext& dc) override {
        ++paints;
        dc.FillRect({10, 10, 20, 15}, paintColour);
    }

    std::function<void(DialogControls&)> load;
    std::vector<std::pair<int, int>> events;
    int paints = 0;
    std::uint32_t paintColour = 0x0000FF;

  private:
    int templateId_;
};

struct ControlsFixture : ::testing::Test {
    ControlsFixture() { owner = test::MakeTestWindow(platform, ownerObject, WindowSpec{}); }

    int Run(ScriptedModel& model, std::function<void(HeadlessDialog&)> turn) {
        platform.dialogScript.push_back(std::move(turn));
        return platform.RunModalDialog(model, owner);
    }

    HeadlessKernel kernel;
    HeadlessPlatform platform{kernel, &test::ProgramResources()};
    test::RecordingWindow ownerObject{platform};
    WindowHandle owner;
};

TEST_F(ControlsFixture, ListsKeepTheirOrderSortedOrAsAdded) {
    ScriptedModel model(137);
    model.load = [](DialogControls& c) {
        for (const char* item : {"b", "a", "c"})
            c.AddListItem(kSortedList, item);
    };
    Run(model, [](HeadlessDialog& d) {
        EXPECT_EQ(d.ListItems(kSortedList), (std::vector<std::string>{"a", "b", "c"}));
        EXPECT_EQ(d.ListSelection(kSortedList), -1);
        EXPECT_EQ(d.Text(kSortedList), "");
        d.SelectListItem(kSortedList, 1);
        d.AddListItem(kSortedList, "0");  // goes in front: the chosen "b" moves down
        EXPECT_EQ(d.ListSelection(kSortedList), 2);
        EXPECT_EQ(d.Text(kSortedList), "b");
        EXPECT_EQ(d.ListItem(kSortedList, 3), "c");
        EXPECT_EQ(d.ListItem(kSortedList, 4), "");
        EXPECT_EQ(d.ListItem(kSortedList, -1), "");
        d.SelectListItem(kSortedList, 9);
        EXPECT_EQ(d.ListSelection(kSortedList), -1);
    });

    ScriptedModel kinds(140);
    kinds.load = [](DialogControls& c) {
        for (const char* item : {"ぼかし", "αブレンド", "ノイズ"})
            c.AddListItem(kUnsortedList, item);
    };
    Run(kinds, [](HeadlessDialog& d) {
        EXPECT_EQ(d.ListItems(kUnsortedList),
                  (std::vector<std::string>{"ぼかし", "αブレンド", "ノイズ"}));
        d.PickListItem(kUnsortedList, "ノイズ");
        EXPECT_EQ(d.ListSelection(kUnsortedList), 2);
        d.PickListItem(kUnsortedList, "なし");  // not in the list: nothing happens
        EXPECT_EQ(d.ListSelection(kUnsortedList), 2);
    });
    EXPECT_EQ(kinds.events, (std::vector<std::pair<int, int>>{{kUnsortedList, 1}}));
    ASSERT_EQ(platform.Dialogs().back().faults.size(), 1u);
    EXPECT_NE(platform.Dialogs().back().faults[0].find("なし"), std::string::npos);
}

TEST_F(ControlsFixture, SlidersStayInTheirRangeAndReportMovesAndReleases) {
    ScriptedModel model(137);
    Run(model, [](HeadlessDialog& d) {
        EXPECT_EQ(d.SliderPosition(kSlider), 0);
        d.SetSliderPosition(kSlider, 150);
        EXPECT_EQ(d.SliderPosition(kSlider), 100);  // the default range is 0 … 100
        d.SetSliderPosition(kSlider, -3);
        EXPECT_EQ(d.SliderPosition(kSlider), 0);
        d.SetSliderPosition(kSlider, 70);
        d.SetSliderRange(kSlider, 10, 20);
        EXPECT_EQ(d.SliderPosition(kSlider), 20);
        d.SetSliderRange(kSlider, 0, 100);
        d.DragSlider(kSlider, 42);
        EXPECT_EQ(d.SliderPosition(kSlider), 42);
        d.SlideWithKeys(kSlider, 43);
        EXPECT_EQ(d.SliderPosition(kSlider), 43);
        d.PressCancel();
        d.DragSlider(kSlider, 50);  // closed: the user can no longer reach it
    });
    EXPECT_EQ(model.events,
              (std::vector<std::pair<int, int>>{
                  {kSlider, kSliderMoved}, {kSlider, kSliderReleased}, {kSlider, kSliderMoved}}));
    EXPECT_TRUE(platform.Dialogs().back().faults.empty());
}

TEST_F(ControlsFixture, TheModelPaintsWhenShownAndOnRedraw) {
    ScriptedModel model(137);
    Run(model, [&](HeadlessDialog& d) {
        const HeadlessSurface* surface = platform.Surface(d.Handle());
        ASSERT_NE(surface, nullptr);
        EXPECT_EQ(model.paints, 1);  // as the dialog appeared
        EXPECT_EQ(surface->Pixel(10, 10), 0x0000FFu);
        EXPECT_EQ(surface->Pixel(20, 10), 0xF0F0F0u);  // the dialog face around it
        model.paintColour = 0x00FF00;
        d.Redraw({10, 10, 20, 15});
        EXPECT_EQ(model.paints, 2);
        EXPECT_EQ(d.Redraws(), 2);
        EXPECT_EQ(surface->Pixel(19, 14), 0x00FF00u);
    });
}

}  // namespace
}  // namespace daub
