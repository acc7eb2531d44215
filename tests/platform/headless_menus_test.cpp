#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/headless_platform.h"
#include "tests/platform/recording_window.h"
#include "tests/platform/test_script.h"

namespace daub {
namespace {

using test::RecordingWindow;

// A window with the test script's menu1 and accelerators, as the program sets up its own.
struct MenuFixture : ::testing::Test {
    MenuFixture() {
        window = test::MakeTestWindow(platform, object);
        bar = platform.LoadMenuResource("menu1");
        platform.SetWindowMenu(window, bar);
        platform.UseAccelerators("keys", window);
        object.received.clear();
    }

    // The popups the window was told about, in order.
    std::vector<MenuHandle> InitialisedPopups() const {
        std::vector<MenuHandle> popups;
        for (const Message& m : object.Received(wm::kInitMenuPopup))
            popups.push_back({m.wParam});
        return popups;
    }
    std::vector<std::uintptr_t> Commands() const {
        std::vector<std::uintptr_t> commands;
        for (const Message& m : object.Received(wm::kCommand))
            commands.push_back(m.wParam);
        return commands;
    }
    // The update pass of the window: disables an item whenever a popup opens.
    void DisableOnOpen(int id) {
        object.react = [this, id](const Message& m) -> std::optional<std::intptr_t> {
            if (m.id != wm::kInitMenuPopup) return std::nullopt;
            platform.EnableMenuItem(platform.WindowMenu(window), id, false);
            return 0;
        };
    }

    HeadlessKernel kernel;
    HeadlessPlatform platform{kernel, &test::TestScript()};
    RecordingWindow object{platform};
    WindowHandle window;
    MenuHandle bar;
};

TEST_F(MenuFixture, LoadedMenuIsATreeOfHandles) {
    ASSERT_TRUE(bar);
    EXPECT_EQ(platform.WindowMenu(window), bar);
    EXPECT_FALSE(platform.LoadMenuResource("nomenu"));
    EXPECT_NE(platform.LoadMenuResource("menu1"), bar);  // each load is a menu of its own

    ASSERT_EQ(platform.MenuItemCount(bar), 2);
    const MenuHandle file = platform.SubMenu(bar, 0);
    ASSERT_EQ(platform.MenuItemCount(file), 5);
    const int ids[] = {test::kOpen, 0, -1, -1, test::kQuit};  // separator 0, submenus -1
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(platform.MenuItemId(file, i), ids[i]) << i;
    EXPECT_EQ(platform.MenuItemId(file, 5), -1);
    EXPECT_EQ(platform.MenuItemId(platform.SubMenu(file, 2), 0), test::kRecentNone);
    EXPECT_FALSE(platform.SubMenu(file, 0));  // a command opens nothing
    EXPECT_FALSE(platform.SubMenu(bar, 2));
    EXPECT_EQ(platform.MenuItemCount(MenuHandle{}), -1);
}

TEST_F(MenuFixture, ItemStatesComeFromTheTemplateAndChangeByCommand) {
    const struct {
        int id;
        const char* text;
        bool enabled, checked;
    } initial[] = {
        {test::kOpen, "&Open\tCtrl+O", true, false},
        {test::kRecentNone, "(none)", false, false},
        {test::kGrid, "Grid", true, true},
        {test::kQuoted, "Say \"hi\"", false, false},
    };
    for (const auto& expected : initial) {
        const auto item = platform.MenuItem(window, expected.id);
        ASSERT_TRUE(item) << expected.id;
        EXPECT_EQ(item->text, expected.text);
        EXPECT_EQ(item->enabled, expected.enabled) << expected.id;
        EXPECT_EQ(item->checked, expected.checked) << expected.id;
    }
    EXPECT_FALSE(platform.MenuItem(window, 999));

    // By command, in submenus of submenus too.
    platform.CheckMenuItem(bar, test::kGrid, false);
    platform.EnableMenuItem(bar, test::kRecentNone, true);
    platform.CheckMenuItem(bar, test::kBlur, true);
    EXPECT_FALSE(platform.MenuItem(window, test::kGrid)->checked);
    EXPECT_TRUE(platform.MenuItem(window, test::kRecentNone)->enabled);
    EXPECT_TRUE(platform.MenuItem(window, test::kBlur)->checked);
}

// The recent-file lists are rebuilt by deleting every entry and appending the new ones.
TEST_F(MenuFixture, SubmenuEntriesAreDeletedAndAppended) {
    const MenuHandle file = platform.SubMenu(bar, 0);
    const MenuHandle recent = platform.SubMenu(file, 2);
    platform.DeleteMenuItemAt(recent, 0);
    EXPECT_EQ(platform.MenuItemCount(recent), 0);
    platform.AppendMenuItem(recent, 1044, "1 C:\\a.bmp", true);
    platform.AppendMenuItem(recent, 1045, "2 C:\\b.bmp", false);
    ASSERT_EQ(platform.MenuItemCount(recent), 2);
    EXPECT_EQ(platform.MenuItemId(recent, 1), 1045);
    EXPECT_EQ(platform.MenuItem(window, 1044)->text, "1 C:\\a.bmp");
    EXPECT_FALSE(platform.MenuItem(window, 1045)->enabled);
    EXPECT_FALSE(platform.MenuItem(window, test::kRecentNone));

    // Deleting the item that opens a submenu destroys the submenu with it.
    platform.DeleteMenuItemAt(file, 2);
    EXPECT_EQ(platform.MenuItemCount(recent), -1);
    EXPECT_FALSE(platform.MenuItem(window, 1044));
    EXPECT_EQ(platform.MenuItemCount(file), 4);
    platform.DeleteMenuItemAt(file, 9);  // nothing there
    EXPECT_EQ(platform.MenuItemCount(file), 4);
}

TEST_F(MenuFixture, OpeningAPopupRunsTheWindowsUpdatePassFirst) {
    EXPECT_EQ(platform.OpenPopup(window, 1), platform.SubMenu(bar, 1));
    ASSERT_EQ(object.received.size(), 1u);
    EXPECT_EQ(object.received[0].id, wm::kInitMenuPopup);
    EXPECT_EQ(object.received[0].wParam, platform.SubMenu(bar, 1).value);
    EXPECT_EQ(object.received[0].lParam, 1);  // its position in the bar

    EXPECT_FALSE(platform.OpenPopup(window, 2));
    EXPECT_EQ(object.received.size(), 1u);
}

TEST_F(MenuFixture, ChoosingAnItemOpensEachPopupOnTheWayThenSendsItsCommand) {
    ASSERT_TRUE(platform.ChooseMenuItem(window, test::kBlur));
    const MenuHandle file = platform.SubMenu(bar, 0);
    EXPECT_EQ(InitialisedPopups(), (std::vector<MenuHandle>{file, platform.SubMenu(file, 3)}));
    EXPECT_EQ(Commands(), std::vector<std::uintptr_t>{test::kBlur});  // high word 0: a menu
    EXPECT_EQ(object.received.back().lParam, 0);
}

TEST_F(MenuFixture, ChoosingSeesTheStateTheUpdatePassLeaves) {
    // Grayed in the template, enabled by the window when its popup opens.
    object.react = [&](const Message& m) -> std::optional<std::intptr_t> {
        if (m.id == wm::kInitMenuPopup) platform.EnableMenuItem(bar, test::kRecentNone, true);
        return std::nullopt;
    };
    EXPECT_TRUE(platform.ChooseMenuItem(window, test::kRecentNone));

    DisableOnOpen(test::kOpen);
    object.received.clear();
    EXPECT_FALSE(platform.ChooseMenuItem(window, test::kOpen));
    EXPECT_EQ(InitialisedPopups().size(), 1u);
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(platform.ChooseMenuItem(window, 999));

    // A command sent directly is not asked about.
    platform.SendCommand(window, test::kOpen);
    EXPECT_EQ(Commands(), std::vector<std::uintptr_t>{test::kOpen});
}

// ---- Keys. ----

TEST_F(MenuFixture, AcceleratorBecomesACommandAfterUpdatingOnlyThePopupHoldingIt) {
    EXPECT_EQ(platform.PressKey(window, 'B', false, true), KeyOutcome::kCommand);
    const MenuHandle effects = platform.SubMenu(platform.SubMenu(bar, 0), 3);
    EXPECT_EQ(InitialisedPopups(), std::vector<MenuHandle>{effects});
    EXPECT_EQ(Commands(), std::vector<std::uintptr_t>{0x10000u | test::kBlur});
    EXPECT_TRUE(object.Received(wm::kKeyDown).empty());

    // A command no menu item has is sent without an update.
    object.received.clear();
    EXPECT_EQ(platform.PressKey(window, 0x70, true, true), KeyOutcome::kCommand);
    EXPECT_TRUE(InitialisedPopups().empty());
    EXPECT_EQ(Commands(), std::vector<std::uintptr_t>{0x10000u | test::kUnlisted});
}

TEST_F(MenuFixture, KeysWithoutAnAcceleratorReachTheWindow) {
    const struct {
        int key;
        bool ctrl, shift;
    } keys[] = {
        {'O', false, false},  // the modifiers must match exactly
        {'O', true, true},   {'B', true, false},
        {'Z', true, false},  // "^Z" is an ASCII entry: a character, not a key
        {'A', false, false},
    };
    for (const auto& key : keys) {
        object.received.clear();
        EXPECT_EQ(platform.PressKey(window, key.key, key.ctrl, key.shift), KeyOutcome::kKeyDown);
        ASSERT_EQ(object.received.size(), 1u) << key.key;
        EXPECT_EQ(object.received[0].id, wm::kKeyDown);
        EXPECT_EQ(object.received[0].wParam, static_cast<std::uintptr_t>(key.key));
    }
}

TEST_F(MenuFixture, AcceleratorOfADisabledItemSwallowsTheKey) {
    DisableOnOpen(test::kDelete);
    EXPECT_EQ(platform.PressKey(window, 0x2E), KeyOutcome::kSuppressed);
    EXPECT_EQ(InitialisedPopups().size(), 1u);
    EXPECT_TRUE(Commands().empty());
    EXPECT_TRUE(object.Received(wm::kKeyDown).empty());
}

// No update pass during a mouse capture: the item's state stays as it was.
TEST_F(MenuFixture, AcceleratorDuringACaptureSkipsTheUpdatePass) {
    DisableOnOpen(test::kOpen);
    platform.SetCapture(window);
    EXPECT_EQ(platform.PressKey(window, 'O', true), KeyOutcome::kCommand);
    EXPECT_TRUE(InitialisedPopups().empty());
    EXPECT_EQ(Commands(), std::vector<std::uintptr_t>{0x10000u | test::kOpen});
}

// Keys pressed in a window the main window owns use the main window's accelerators.
TEST_F(MenuFixture, OwnedWindowsShareTheOwnersAccelerators) {
    RecordingWindow satellite(platform);
    WindowSpec spec;
    spec.parent = window;
    const WindowHandle owned = test::MakeTestWindow(platform, satellite, spec);
    satellite.received.clear();
    EXPECT_EQ(platform.PressKey(owned, 'O', true), KeyOutcome::kCommand);
    EXPECT_EQ(Commands(), std::vector<std::uintptr_t>{0x10000u | test::kOpen});
    EXPECT_TRUE(satellite.received.empty());

    EXPECT_EQ(platform.PressKey(owned, 'Q'), KeyOutcome::kKeyDown);
    EXPECT_EQ(satellite.Received(wm::kKeyDown).size(), 1u);
}

}  // namespace
}  // namespace daub
