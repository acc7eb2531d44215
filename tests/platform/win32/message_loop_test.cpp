#include <gtest/gtest.h>

#include "platform/win32/win32_handles.h"
#include "tests/platform/win32/test_resource_ids.h"
#include "tests/platform/win32/win32_test_support.h"

namespace daub::win32test {
namespace {

enum Modifier { kNone, kCtrl, kShift };

// A key pressed with the modifier held, as the loop sees it: the thread's key state says
// which modifiers are down.
void PressKey(HWND target, UINT key, Modifier modifier) {
    BYTE keys[256] = {};
    if (modifier == kCtrl) keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    if (modifier == kShift) keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(target, WM_KEYDOWN, key, 1);
    RunPostedMessages();
    BYTE released[256] = {};
    SetKeyboardState(released);
}

TEST(Win32MessageLoop, EndsWithTheExitCodeThatWasPosted) {
    TestPlatform().PostQuit(7);
    EXPECT_EQ(TestPlatform().RunMessageLoop(), 7);
}

// The shortcuts of the menu become its commands (marked as coming from an accelerator) and
// never reach the window as keys; other keys do.
TEST(Win32MessageLoop, AcceleratorKeysOfTheMainWindowBecomeCommands) {
    struct Case {
        UINT key;
        Modifier modifier;
        int command;  // 0: no shortcut, the key itself arrives
    };
    const Case cases[] = {
        {VK_DELETE, kNone, 40021}, {'Z', kCtrl, 40016}, {'R', kCtrl, 40032}, {'R', kShift, 40029},
        {'U', kShift, 40033},      {'R', kNone, 0},     {VK_ADD, kNone, 0},
    };
    RecordingWindow main(TestPlatform());
    ASSERT_TRUE(main.CreateTopLevel("Daubix"));
    TestPlatform().UseAccelerators("DaubAccel", main.Handle());

    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " modifier " << c.modifier);
        main.log.clear();

        PressKey(ToHwnd(main.Handle()), c.key, c.modifier);

        const std::vector<Message> commands = main.Received(wm::kCommand);
        const std::vector<Message> keys = main.Received(wm::kKeyDown);
        if (c.command) {
            ASSERT_EQ(commands.size(), 1u);
            EXPECT_EQ(LowWord(commands[0].wParam), c.command);
            EXPECT_EQ(HighWord(commands[0].wParam), 1);
            EXPECT_TRUE(keys.empty());
        } else {
            EXPECT_TRUE(commands.empty());
            ASSERT_EQ(keys.size(), 1u);
            EXPECT_EQ(keys[0].wParam, c.key);
        }
    }
    TestPlatform().UseAccelerators("", {});
}

// Delete in a dialog's edit box edits the text; it must not delete the picture's range.
TEST(Win32MessageLoop, KeysTypedInADialogAreNotTheMainWindowsShortcuts) {
    RecordingWindow main(TestPlatform());
    RecordingWindow dialog(TestPlatform());
    ASSERT_TRUE(main.CreateTopLevel("Daubix"));
    ASSERT_TRUE(TestPlatform().CreateModelessDialog(dialog, TEST_MODELESS_DIALOG, main.Handle()));
    TestPlatform().UseAccelerators("DaubAccel", main.Handle());

    PressKey(GetDlgItem(ToHwnd(dialog.Handle()), TEST_NAME_EDIT), VK_DELETE, kNone);

    EXPECT_TRUE(main.Received(wm::kCommand).empty());
    TestPlatform().UseAccelerators("", {});
}

}  // namespace
}  // namespace daub::win32test
