#include "platform/headless/headless_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialog_model.h"
#include "platform/headless/headless_platform.h"
#include "platform/message_box.h"
#include "tests/platform/recording_window.h"
#include "tests/platform/test_script.h"

namespace daub {
namespace {

// The size dialog of the test script: a width that must be a positive number, refused the
// way the program refuses a bad field.
class WidthModel : public DialogModel {
  public:
    int TemplateId() const override { return test::kSizeDialog; }
    void Load(DialogControls& controls) override {
        controls.SetText(test::kWidthEdit, std::to_string(width));
        controls.SetChecked(test::kKeepCheck, keep);
    }
    bool Save(DialogControls& controls) override {
        ++saves;
        const std::string text = controls.Text(test::kWidthEdit);
        const int value = text.empty() ? 0 : std::atoi(text.c_str());
        if (value <= 0) {
            controls.ShowMessageBox("", "", mb::kIconExclamation);
            controls.Focus(test::kWidthEdit);
            return false;
        }
        width = value;
        keep = controls.Checked(test::kKeepCheck);
        return true;
    }
    void OnCommand(DialogControls&, int control, int notification) override {
        events.push_back({control, notification});
    }

    int width = 640;
    bool keep = false;
    int saves = 0;
    std::vector<std::pair<int, int>> events;
};

struct DialogFixture : ::testing::Test {
    DialogFixture() {
        WindowSpec spec;
        spec.x = 100;
        spec.y = 200;
        owner = test::MakeTestWindow(platform, ownerObject, spec);
    }

    HeadlessKernel kernel;
    HeadlessPlatform platform{kernel, &test::TestScript()};
    test::RecordingWindow ownerObject{platform};
    WindowHandle owner;
    WidthModel model;
};

TEST_F(DialogFixture, RefusedOkKeepsTheDialogOpenForAnotherTry) {
    WindowHandle shown;
    platform.dialogScript.push_back([&](HeadlessDialog& dialog) {
        shown = dialog.Handle();
        EXPECT_EQ(dialog.Text(test::kWidthEdit), "640");  // the model's value
        EXPECT_EQ(dialog.Text(-1), "Width");              // the template's own text
        const HeadlessWindow* window = platform.Find(dialog.Handle());
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->alive);
        EXPECT_EQ(window->spec.title, "Size");
        EXPECT_EQ(window->spec.parent, owner);
        dialog.Type(test::kWidthEdit, "abc");
        dialog.PressOk();
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_EQ(dialog.FocusedControl(), test::kWidthEdit);
    });
    platform.dialogScript.push_back([](HeadlessDialog& dialog) {
        dialog.Type(test::kWidthEdit, "42");
        dialog.Click(test::kKeepCheck);
        dialog.Click(1);  // IDOK
    });
    platform.dialogScript.push_back([](HeadlessDialog&) { FAIL() << "the dialog was closed"; });

    EXPECT_EQ(platform.RunModalDialog(model, owner), 1);
    EXPECT_EQ(model.width, 42);
    EXPECT_TRUE(model.keep);
    EXPECT_EQ(model.saves, 2);
    EXPECT_EQ(platform.dialogScript.size(), 1u);  // left for the next dialog
    EXPECT_EQ(model.events, (std::vector<std::pair<int, int>>{{test::kWidthEdit, kEditChanged},
                                                              {test::kWidthEdit, kEditChanged},
                                                              {test::kKeepCheck, kButtonClicked}}));

    // The refusal's message box belongs to the dialog, which is gone now.
    ASSERT_EQ(platform.MessageBoxes().size(), 1u);
    EXPECT_EQ(platform.MessageBoxes()[0].owner, shown);
    EXPECT_EQ(platform.MessageBoxes()[0].type, mb::kIconExclamation);
    EXPECT_FALSE(platform.Find(shown)->alive);
    ASSERT_EQ(platform.Dialogs().size(), 1u);
    const RecordedDialog& recorded = platform.Dialogs()[0];
    EXPECT_EQ(recorded.templateId, test::kSizeDialog);
    EXPECT_EQ(recorded.owner, owner);
    EXPECT_EQ(recorded.result, 1);
    EXPECT_EQ(recorded.okPresses, 2);
    EXPECT_TRUE(recorded.faults.empty());
}

TEST_F(DialogFixture, CancelLeavesTheModelAsItWas) {
    platform.dialogScript.push_back([](HeadlessDialog& dialog) {
        dialog.Type(test::kWidthEdit, "99");
        dialog.PressCancel();
        dialog.PressOk();  // too late: the dialog is closed
    });
    EXPECT_EQ(platform.RunModalDialog(model, owner), 2);
    EXPECT_EQ(model.width, 640);
    EXPECT_EQ(model.saves, 0);

    // With no turns left the user gives up; OK never pressed.
    EXPECT_EQ(platform.RunModalDialog(model, owner), 2);
    EXPECT_EQ(model.saves, 0);
    EXPECT_EQ(platform.Dialogs().size(), 2u);
    EXPECT_EQ(platform.LiveWindows(), std::vector<WindowHandle>{owner});
}

// A model that reaches for a control its template lacks would fail on Windows too.
TEST_F(DialogFixture, ControlsMissingFromTheTemplateAreFaults) {
    class Careless : public WidthModel {
        void Load(DialogControls& controls) override { controls.SetText(4321, "x"); }
    } careless;
    EXPECT_EQ(platform.RunModalDialog(careless, owner), 2);
    ASSERT_EQ(platform.Dialogs().size(), 1u);
    ASSERT_EQ(platform.Dialogs()[0].faults.size(), 1u);
    EXPECT_NE(platform.Dialogs()[0].faults[0].find("4321"), std::string::npos);

    class Unknown : public WidthModel {
        int TemplateId() const override { return 999; }
    } unknown;
    EXPECT_EQ(platform.RunModalDialog(unknown, owner), -1);
    EXPECT_EQ(unknown.saves, 0);
}

// ---- Modeless dialogs. ----

TEST(DialogUnits, BecomePixelsAsWithAnEightPointFont) {
    const std::pair<int, int> horizontal[] = {{0, 0}, {1, 2}, {4, 6}, {10, 15}, {35, 53}};
    for (const auto& [units, pixels] : horizontal)
        EXPECT_EQ(DialogUnitsToPixelsX(units), pixels);
    const std::pair<int, int> vertical[] = {{0, 0}, {1, 2}, {8, 13}, {20, 33}, {50, 81}};
    for (const auto& [units, pixels] : vertical)
        EXPECT_EQ(DialogUnitsToPixelsY(units), pixels);
}

TEST_F(DialogFixture, ModelessDialogTakesItsWindowFromTheTemplate) {
    test::RecordingWindow object(platform);
    WindowHandle seenInInit;
    object.react = [&](const Message& m) -> std::optional<std::intptr_t> {
        if (m.id == wm::kInitDialog) seenInInit = object.Handle();
        return std::nullopt;
    };
    const WindowHandle dialog = platform.CreateModelessDialog(object, test::kSizeDialog, owner);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(seenInInit, dialog);  // the object was attached before WM_INITDIALOG
    ASSERT_FALSE(object.received.empty());
    EXPECT_EQ(object.received[0].id, wm::kInitDialog);

    const HeadlessWindow* window = platform.Find(dialog);
    EXPECT_EQ(window->spec.title, "Size");
    EXPECT_EQ(window->spec.style, test::TestScript().Dialog(test::kSizeDialog)->style);
    EXPECT_EQ(window->spec.parent, owner);
    EXPECT_TRUE(window->visible);  // WS_VISIBLE in the template
    EXPECT_EQ(window->dialogTemplate, test::kSizeDialog);
    EXPECT_EQ(window->dialogUnits, (PixelRect{10, 20, 110, 70}));
    // 10, 20, 100 x 50 units from the owner's corner at (100, 200).
    EXPECT_EQ(platform.WindowRect(dialog), (PixelRect{115, 233, 265, 314}));
    EXPECT_EQ(platform.Surface(dialog)->Pixel(0, 0), 0xF0F0F0u);  // the dialog face

    test::RecordingWindow hidden(platform);
    const WindowHandle panel = platform.CreateModelessDialog(hidden, test::kPanelDialog, owner);
    EXPECT_FALSE(platform.Find(panel)->visible);
    test::RecordingWindow missing(platform);
    EXPECT_FALSE(platform.CreateModelessDialog(missing, 999, owner));
    EXPECT_FALSE(missing.Handle());
}

// Closing a dialog is its procedure's decision; an ordinary window is destroyed.
TEST_F(DialogFixture, OnlyOrdinaryWindowsCloseByDefault) {
    test::RecordingWindow object(platform);
    const WindowHandle dialog = platform.CreateModelessDialog(object, test::kPanelDialog, owner);
    platform.Send(dialog, {wm::kClose, 0, 0});
    EXPECT_TRUE(platform.Find(dialog)->alive);
    platform.Send(owner, {wm::kClose, 0, 0});
    EXPECT_FALSE(platform.Find(owner)->alive);
}

}  // namespace
}  // namespace daub
