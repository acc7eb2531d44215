#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_model.h"
#include "platform/win32/win32_dialog_controls.h"
#include "tests/platform/win32/test_resource_ids.h"
#include "tests/platform/win32/win32_test_support.h"

#include <commctrl.h>

namespace daub::win32test {
namespace {

// Presses a button the way the user's click reaches the dialog: as a posted command.
void Press(DialogControls& controls, int button) {
    HWND dialog = dynamic_cast<Win32DialogControls&>(controls).Dialog();
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

// A model whose steps the test writes; it counts how often each was called.
class ScriptedModel : public DialogModel {
  public:
    explicit ScriptedModel(int templateId = TEST_MODAL_DIALOG) : templateId_(templateId) {}

    int TemplateId() const override { return templateId_; }
    void Load(DialogControls& controls) override {
        ++loads;
        if (load) load(controls);
    }
    bool Save(DialogControls& controls) override {
        ++saves;
        return save ? save(controls) : true;
    }
    void OnCommand(DialogControls& controls, int control, int notification) override {
        commands.emplace_back(control, notification);
        if (command) command(controls, control);
    }

    std::function<void(DialogControls&)> load;
    std::function<bool(DialogControls&)> save;
    std::function<void(DialogControls&, int)> command;
    int loads = 0;
    int saves = 0;
    std::vector<std::pair<int, int>> commands;

  private:
    int templateId_;
};

TEST(Win32ModalDialogs, OkAndCancelEndTheDialogWithOneAndTwo) {
    ScriptedModel ok;
    ok.load = [](DialogControls& controls) { Press(controls, IDOK); };
    ScriptedModel cancel;
    cancel.load = [](DialogControls& controls) { Press(controls, IDCANCEL); };

    EXPECT_EQ(TestPlatform().RunModalDialog(ok, {}), 1);
    EXPECT_EQ(ok.saves, 1);
    EXPECT_EQ(TestPlatform().RunModalDialog(cancel, {}), 2);
    EXPECT_EQ(cancel.saves, 0);
}

// What Load writes is what the user sees and what Save reads back, Japanese included.
TEST(Win32ModalDialogs, FieldsMakeTheRoundTripThroughTheControls) {
    ScriptedModel model;
    std::string readText;
    bool readChecked = false;
    model.load = [](DialogControls& controls) {
        controls.SetText(TEST_NAME_EDIT, "幅は１０ px");
        controls.SetChecked(TEST_SURE_CHECK, true);
        Press(controls, IDOK);
    };
    model.save = [&](DialogControls& controls) {
        readText = controls.Text(TEST_NAME_EDIT);
        readChecked = controls.Checked(TEST_SURE_CHECK);
        return true;
    };

    ASSERT_EQ(TestPlatform().RunModalDialog(model, {}), 1);
    EXPECT_EQ(readText, "幅は１０ px");
    EXPECT_TRUE(readChecked);
}

// A refused OK keeps the dialog open with the focus where the fault is, so the user can
// correct the entry and press OK again.
TEST(Win32ModalDialogs, RefusedSaveKeepsTheDialogOpenWithTheFocusOnTheFaultyField) {
    ScriptedModel model;
    HWND focusAtSecondSave = nullptr;
    HWND edit = nullptr;
    model.load = [](DialogControls& controls) { Press(controls, IDOK); };
    model.save = [&](DialogControls& controls) {
        HWND dialog = dynamic_cast<Win32DialogControls&>(controls).Dialog();
        edit = GetDlgItem(dialog, TEST_NAME_EDIT);
        if (model.saves == 1) {
            controls.Focus(TEST_NAME_EDIT);
            Press(controls, IDOK);
            return false;
        }
        focusAtSecondSave = GetFocus();
        return true;
    };

    EXPECT_EQ(TestPlatform().RunModalDialog(model, {}), 1);
    EXPECT_EQ(model.saves, 2);
    EXPECT_EQ(focusAtSecondSave, edit);
}

TEST(Win32ModalDialogs, OtherButtonsReachTheModelAndLeaveTheDialogOpen) {
    ScriptedModel model;
    model.load = [](DialogControls& controls) { Press(controls, TEST_TRY_BUTTON); };
    model.command = [](DialogControls& controls, int control) {
        if (control == TEST_TRY_BUTTON) Press(controls, IDCANCEL);
    };

    EXPECT_EQ(TestPlatform().RunModalDialog(model, {}), 2);
    // The edit box's own notifications come too; the click is among them once.
    EXPECT_EQ(std::count(model.commands.begin(), model.commands.end(),
                         std::make_pair(TEST_TRY_BUTTON, int{BN_CLICKED})),
              1);
}

// The program's modal templates, the brush settings with its trackbars among them.
TEST(Win32ModalDialogs, EveryProgramTemplateOpens) {
    for (int templateId : {134, 136, 137, 140}) {
        SCOPED_TRACE(templateId);
        ScriptedModel model(templateId);
        model.load = [](DialogControls& controls) { Press(controls, IDCANCEL); };

        EXPECT_EQ(TestPlatform().RunModalDialog(model, {}), 2);
        EXPECT_EQ(model.loads, 1);
    }
}

// Trackbars and drop-down lists through the model's calls, on the brush template (137):
// 1019 is a trackbar, 1027 a sorted list. A trackbar's scroll message reaches the model as a
// move, and a redraw paints through the model at once.
TEST(Win32ModalDialogs, SlidersListsAndPaintingReachTheModel) {
    struct PaintingModel : ScriptedModel {
        PaintingModel() : ScriptedModel(137) {}
        void Paint(DialogControls&, DeviceContext& dc) override {
            ++paints;
            dc.FillRect({0, 0, 4, 4}, 0x0000FF);
        }
        int paints = 0;
    } model;
    std::vector<std::string> items;
    int clamped = -1, selection = -2, paintsOnRedraw = -1;
    std::string selectedText;
    model.load = [&](DialogControls& controls) {
        for (const char* item : {"b", "a", "c"})
            controls.AddListItem(1027, item);
        controls.SelectListItem(1027, 2);
        controls.SetSliderPosition(1019, 150);
        HWND dialog = dynamic_cast<Win32DialogControls&>(controls).Dialog();
        PostMessageW(dialog, WM_HSCROLL, TB_THUMBPOSITION,
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, 1019)));
    };
    // A modal dialog appears only once its queue is first empty, which the posted message
    // has not let happen yet; shown now, it has something to paint.
    model.command = [&](DialogControls& controls, int control) {
        if (control != 1019 || clamped >= 0) return;
        ShowWindow(dynamic_cast<Win32DialogControls&>(controls).Dialog(), SW_SHOW);
        for (int i = 0; i < 4; ++i)
            items.push_back(controls.ListItem(1027, i));
        clamped = controls.SliderPosition(1019);
        selection = controls.ListSelection(1027);
        selectedText = controls.Text(1027);
        const int before = model.paints;
        controls.Redraw({0, 0, 4, 4});
        paintsOnRedraw = model.paints - before;
        Press(controls, IDCANCEL);
    };

    EXPECT_EQ(TestPlatform().RunModalDialog(model, {}), 2);
    EXPECT_EQ(items, (std::vector<std::string>{"a", "b", "c", ""}));
    EXPECT_EQ(clamped, 100);
    EXPECT_EQ(selection, 2);
    EXPECT_EQ(selectedText, "c");
    EXPECT_GE(paintsOnRedraw, 1);
    EXPECT_NE(
        std::find(model.commands.begin(), model.commands.end(), std::make_pair(1019, kSliderMoved)),
        model.commands.end());
}

TEST(Win32ModalDialogs, MissingTemplateCountsAsCancelled) {
    ScriptedModel model(9999);

    EXPECT_EQ(TestPlatform().RunModalDialog(model, {}), 2);
    EXPECT_EQ(model.loads, 0);
    EXPECT_EQ(model.saves, 0);
}

}  // namespace
}  // namespace daub::win32test
