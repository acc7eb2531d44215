#include <gtest/gtest.h>

#include <string>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_handles.h"
#include "tests/platform/win32/win32_test_support.h"

namespace daub::win32test {
namespace {

std::string ItemText(MenuHandle menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(ToHmenu(menu), position, text, 128, MF_BYPOSITION);
    return Narrow(text);
}

bool Grayed(MenuHandle menu, int id) {
    return (GetMenuState(ToHmenu(menu), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}

bool Checked(MenuHandle menu, int id) {
    return (GetMenuState(ToHmenu(menu), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

// The main window's menu, attached to a window that destroys it at the end of the test.
class Win32Menus : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window_.CreateTopLevel("Daubix"));
        const MenuHandle loaded = TestPlatform().LoadMenuResource("mainmenu");
        ASSERT_TRUE(loaded);
        TestPlatform().SetWindowMenu(window_.Handle(), loaded);
        bar_ = TestPlatform().WindowMenu(window_.Handle());
        ASSERT_EQ(bar_, loaded);
        file_ = TestPlatform().SubMenu(bar_, 0);
    }

    RecordingWindow window_{TestPlatform()};
    MenuHandle bar_;
    MenuHandle file_;
};

// The recent-file lists are found as the File menu's items that open submenus.
TEST_F(Win32Menus, SubmenusOfTheFileMenuReadAsMinusOneAndHoldTheirPlaceholders) {
    EXPECT_EQ(TestPlatform().MenuItemCount(bar_), 6);
    EXPECT_EQ(ItemText(bar_, 0), "ファイル");
    std::vector<int> submenuPositions;
    for (int position = 0; position < TestPlatform().MenuItemCount(file_); ++position) {
        if (TestPlatform().MenuItemId(file_, position) == -1) submenuPositions.push_back(position);
    }
    ASSERT_EQ(submenuPositions.size(), 2u);
    EXPECT_EQ(TestPlatform().MenuItemId(file_, 0), 40042);

    const MenuHandle bitmaps = TestPlatform().SubMenu(file_, submenuPositions[0]);
    const MenuHandle layers = TestPlatform().SubMenu(file_, submenuPositions[1]);
    ASSERT_EQ(TestPlatform().MenuItemCount(bitmaps), 1);
    EXPECT_EQ(TestPlatform().MenuItemId(bitmaps, 0), 40037);
    EXPECT_EQ(ItemText(bitmaps, 0), "(なし)");
    EXPECT_TRUE(Grayed(bitmaps, 40037));
    EXPECT_EQ(TestPlatform().MenuItemId(layers, 0), 40039);
}

// Rebuilding a recent list: everything out, then the names in, an empty list's placeholder
// grayed.
TEST_F(Win32Menus, RecentListIsEmptiedAndRefilledWithItsNamesInOrder) {
    const MenuHandle recent = TestPlatform().SubMenu(file_, 4);
    TestPlatform().AppendMenuItem(recent, 1044, "b.bmp", true);
    while (TestPlatform().MenuItemCount(recent) > 0)
        TestPlatform().DeleteMenuItemAt(recent, 0);
    ASSERT_EQ(TestPlatform().MenuItemCount(recent), 0);

    TestPlatform().AppendMenuItem(recent, 40037, "C:\\絵\\夕焼け.bmp", true);
    TestPlatform().AppendMenuItem(recent, 1044, "D:\\ｶﾅ\\a.bmp", true);
    TestPlatform().AppendMenuItem(recent, 1045, "(なし)", false);

    ASSERT_EQ(TestPlatform().MenuItemCount(recent), 3);
    EXPECT_EQ(TestPlatform().MenuItemId(recent, 0), 40037);
    EXPECT_EQ(TestPlatform().MenuItemId(recent, 1), 1044);
    EXPECT_EQ(ItemText(recent, 0), "C:\\絵\\夕焼け.bmp");
    EXPECT_EQ(ItemText(recent, 1), "D:\\ｶﾅ\\a.bmp");
    EXPECT_FALSE(Grayed(recent, 40037));
    EXPECT_TRUE(Grayed(recent, 1045));
    // Deleting by position takes the item at that place, not an id.
    TestPlatform().DeleteMenuItemAt(recent, 1);
    EXPECT_EQ(TestPlatform().MenuItemId(recent, 1), 1045);
}

// The update pass and the view commands name items by id from the menu bar, whatever
// popup (or popup of a popup) holds them.
TEST_F(Win32Menus, CheckAndEnableByCommandReachItemsInAnySubmenu) {
    constexpr int kToolbox = 40014, kGuideLine = 40041, kBlur = 40045, kUndo = 40016;
    EXPECT_TRUE(Checked(bar_, kToolbox));

    TestPlatform().CheckMenuItem(bar_, kToolbox, false);
    TestPlatform().CheckMenuItem(bar_, kGuideLine, true);
    TestPlatform().EnableMenuItem(bar_, kBlur, false);
    TestPlatform().EnableMenuItem(bar_, kUndo, false);

    EXPECT_FALSE(Checked(bar_, kToolbox));
    EXPECT_TRUE(Checked(bar_, kGuideLine));
    EXPECT_TRUE(Grayed(bar_, kBlur));
    EXPECT_TRUE(Grayed(bar_, kUndo));
    TestPlatform().EnableMenuItem(bar_, kUndo, true);
    EXPECT_FALSE(Grayed(bar_, kUndo));
}

TEST(Win32MenuResources, MissingMenuGivesANullHandle) {
    EXPECT_FALSE(TestPlatform().LoadMenuResource("nosuchmenu"));
}

}  // namespace
}  // namespace daub::win32test
