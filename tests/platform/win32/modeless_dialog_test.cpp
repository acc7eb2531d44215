#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/dialog_model.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_handles.h"
#include "tests/platform/win32/test_resource_ids.h"
#include "tests/platform/win32/win32_test_support.h"

namespace daub::win32test {
namespace {

std::string Title(HWND hwnd) {
    wchar_t title[128] = {};
    GetWindowTextW(hwnd, title, 128);
    return Narrow(title);
}

// The three satellites that the program builds from its own templates.
TEST(Win32ModelessDialogs, ProgramTemplatesOpenOwnedByTheMainWindowWithTheirTitles) {
    struct Case {
        int templateId;
        const char* title;
    };
    const Case cases[] = {{116, "ツール"}, {122, "パレット"}, {142, "曲線設定"}};
    RecordingWindow main(TestPlatform());
    ASSERT_TRUE(main.CreateTopLevel("Daubix"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.templateId);
        RecordingWindow dialog(TestPlatform());

        const WindowHandle handle =
            TestPlatform().CreateModelessDialog(dialog, c.templateId, main.Handle());

        ASSERT_TRUE(handle);
        EXPECT_EQ(dialog.Handle(), handle);
        EXPECT_EQ(Title(ToHwnd(handle)), c.title);
        EXPECT_EQ(GetWindow(ToHwnd(handle), GW_OWNER), ToHwnd(main.Handle()));
    }
}

TEST(Win32ModelessDialogs, InitDialogIsTheFirstMessageAndTheObjectAlreadyHasItsHandle) {
    RecordingWindow dialog(TestPlatform());
    WindowHandle seenAtInit;
    dialog.onMessage = [&](const Message& message, WindowHandle handle) {
        if (message.id == wm::kInitDialog) seenAtInit = handle;
    };

    const WindowHandle handle =
        TestPlatform().CreateModelessDialog(dialog, TEST_MODELESS_DIALOG, {});

    ASSERT_TRUE(handle);
    EXPECT_EQ(seenAtInit, handle);
    ASSERT_FALSE(dialog.log.empty());
    EXPECT_EQ(dialog.log.front().id, wm::kInitDialog);
    EXPECT_EQ(Title(ToHwnd(handle)), "試験用モードレス");
}

// The controls are there from WM_INITDIALOG on, for the dialog to fill.
TEST(Win32ModelessDialogs, ControlsAreReachableFromInitDialogOn) {
    RecordingWindow dialog(TestPlatform());
    bool filledAtInit = false;
    dialog.onMessage = [&](const Message& message, WindowHandle handle) {
        if (message.id != wm::kInitDialog) return;
        DialogControls* controls = TestPlatform().ModelessControls(handle);
        if (controls) controls->SetText(TEST_NAME_EDIT, "曲線");
        filledAtInit = controls != nullptr;
    };
    ASSERT_TRUE(TestPlatform().CreateModelessDialog(dialog, TEST_MODELESS_DIALOG, {}));
    EXPECT_TRUE(filledAtInit);
    DialogControls* controls = TestPlatform().ModelessControls(dialog.Handle());
    ASSERT_NE(controls, nullptr);
    EXPECT_EQ(controls->Text(TEST_NAME_EDIT), "曲線");
}

// A dialog procedure cannot return a message's result directly; the sender must still get it.
TEST(Win32ModelessDialogs, SenderGetsTheResultTheDialogObjectAnswered) {
    constexpr unsigned kCurveSettingsChanged = wm::kUser + 6;
    RecordingWindow dialog(TestPlatform());
    dialog.answers[kCurveSettingsChanged] = 0x12345678;
    ASSERT_TRUE(TestPlatform().CreateModelessDialog(dialog, TEST_MODELESS_DIALOG, {}));

    EXPECT_EQ(TestPlatform().SendWindowMessage(dialog.Handle(), {kCurveSettingsChanged, 0, 0}),
              0x12345678);
    EXPECT_EQ(dialog.Received(kCurveSettingsChanged).size(), 1u);
}

// Enter in one of the dialog's edit boxes is dialog navigation: the message loop must hand
// it to IsDialogMessage, which turns it into the default button's command.
TEST(Win32ModelessDialogs, MessageLoopGivesTheDialogItsKeyboardNavigation) {
    RecordingWindow dialog(TestPlatform());
    ASSERT_TRUE(TestPlatform().CreateModelessDialog(dialog, TEST_MODELESS_DIALOG, {}));
    HWND edit = GetDlgItem(ToHwnd(dialog.Handle()), TEST_NAME_EDIT);
    ASSERT_TRUE(edit);

    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(edit, WM_KEYUP, VK_RETURN, 0);
    RunPostedMessages();

    int okCommands = 0;
    for (const Message& command : dialog.Received(wm::kCommand))
        okCommands += LowWord(command.wParam) == IDOK;
    EXPECT_EQ(okCommands, 1);
}

TEST(Win32ModelessDialogs, DeletingTheObjectDestroysTheDialog) {
    auto dialog = std::make_unique<RecordingWindow>(TestPlatform());
    const HWND hwnd =
        ToHwnd(TestPlatform().CreateModelessDialog(*dialog, TEST_MODELESS_DIALOG, {}));
    ASSERT_TRUE(hwnd);

    dialog.reset();

    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(Win32ModelessDialogs, DialogDestroyedWithItsOwnerLeavesTheObjectDetached) {
    RecordingWindow main(TestPlatform());
    RecordingWindow dialog(TestPlatform());
    ASSERT_TRUE(main.CreateTopLevel("Daubix"));
    ASSERT_TRUE(TestPlatform().CreateModelessDialog(dialog, 116, main.Handle()));

    TestPlatform().DestroyNativeWindow(main.Handle());

    EXPECT_FALSE(dialog.Handle());
    EXPECT_EQ(dialog.Received(wm::kDestroy).size(), 1u);
}

TEST(Win32ModelessDialogs, MissingTemplateGivesNoDialogAndLeavesTheObjectUnattached) {
    RecordingWindow dialog(TestPlatform());

    EXPECT_FALSE(TestPlatform().CreateModelessDialog(dialog, 9999, {}));
    EXPECT_FALSE(dialog.Handle());
    EXPECT_TRUE(dialog.log.empty());
}

}  // namespace
}  // namespace daub::win32test
