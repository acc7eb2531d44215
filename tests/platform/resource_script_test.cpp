#include "platform/headless/resource_script.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/window_styles.h"
#include "tests/platform/test_script.h"
#include "tests/support/program_resources.h"

namespace daub {
namespace {

using test::TestScript;

std::vector<std::string> Texts(const std::vector<MenuTemplateItem>& items) {
    std::vector<std::string> texts;
    for (const MenuTemplateItem& item : items)
        texts.push_back(item.text);
    return texts;
}

TEST(ResourceScript, ReadsMenusWithTheirNestingAndStates) {
    const ResourceScript& script = TestScript();
    EXPECT_EQ(script.errors, std::vector<std::string>{});
    EXPECT_EQ(script.Menu("broken"), nullptr);        // inside #ifdef of an undefined name
    const MenuTemplate* menu = script.Menu("MENU1");  // names compare without case
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(Texts(menu->items), (std::vector<std::string>{"&File", "View"}));

    const MenuTemplateItem& file = menu->items[0];
    EXPECT_TRUE(file.popup);
    ASSERT_EQ(Texts(file.items),
              (std::vector<std::string>{"&Open\tCtrl+O", "", "Recent", "Effects", "Quit"}));
    EXPECT_EQ(file.items[0].id, test::kOpen);  // from the included header
    EXPECT_TRUE(file.items[1].separator);
    EXPECT_EQ(file.items[2].items[0].id, test::kRecentNone);
    EXPECT_TRUE(file.items[2].items[0].grayed);

    const MenuTemplateItem& view = menu->items[1];
    EXPECT_TRUE(view.items[0].checked);
    EXPECT_EQ(view.items[1].text, "Say \"hi\"");
    EXPECT_TRUE(view.items[1].inactive);
    EXPECT_FALSE(view.items[2].checked || view.items[2].grayed);
}

TEST(ResourceScript, ReadsAcceleratorKeysAndModifiers) {
    const AcceleratorTable* table = TestScript().Accelerators("keys");
    ASSERT_NE(table, nullptr);
    const struct {
        int key, command;
        bool virtualKey, control, shift;
    } expected[] = {
        {'O', test::kOpen, true, true, false},     {'B', test::kBlur, true, false, true},
        {0x2E, test::kDelete, true, false, false}, {26, 403, false, false, false},
        {'a', 404, false, false, false},           {0x70, test::kUnlisted, true, true, true},
    };
    ASSERT_EQ(table->entries.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Accelerator& entry = table->entries[i];
        EXPECT_EQ(entry.key, expected[i].key) << i;
        EXPECT_EQ(entry.command, expected[i].command) << i;
        EXPECT_EQ(entry.virtualKey, expected[i].virtualKey) << i;
        EXPECT_EQ(entry.control, expected[i].control) << i;
        EXPECT_EQ(entry.shift, expected[i].shift) << i;
        EXPECT_FALSE(entry.alt) << i;
    }
}

TEST(ResourceScript, ReadsDialogTemplatesWithTheStylesTheCompilerGives) {
    const DialogTemplate* dialog = TestScript().Dialog(test::kSizeDialog);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->extended);
    EXPECT_EQ(dialog->caption, "Size");
    EXPECT_EQ(dialog->fontFace, "MS Shell Dlg");
    EXPECT_EQ(dialog->fontSize, 9);
    EXPECT_EQ((std::vector<int>{dialog->x, dialog->y, dialog->width, dialog->height}),
              (std::vector<int>{10, 20, 100, 50}));
    // CAPTION brings WS_CAPTION and FONT brings DS_SETFONT (0x40); DS_MODALFRAME is 0x80.
    EXPECT_EQ(dialog->style, ws::kPopup | ws::kVisible | ws::kCaption | 0xC0u);

    const struct {
        int id;
        const char* kind;
        const char* className;
        const char* text;
        std::uint32_t style;
    } controls[] = {
        {-1, "LTEXT", "Static", "Width", 0x50020000},  // WS_GROUP, SS_LEFT
        // WS_TABSTOP and ES_NUMBER; NOT took the edit's default border away.
        {test::kWidthEdit, "EDITTEXT", "Edit", "", 0x50012000},
        {test::kKeepCheck, "AUTOCHECKBOX", "Button", "Keep", 0x50010003},
        {test::kSlider, "CONTROL", "msctls_trackbar32", "", 0x50010010},
        {1, "DEFPUSHBUTTON", "Button", "OK", 0x50010001},
        {2, "PUSHBUTTON", "Button", "Cancel", 0x50010000},
    };
    ASSERT_EQ(dialog->controls.size(), std::size(controls));
    for (const auto& c : controls) {
        const DialogControl* control = dialog->Control(c.id);
        ASSERT_NE(control, nullptr) << c.id;
        EXPECT_EQ(control->kind, c.kind) << c.id;
        EXPECT_EQ(control->className, c.className) << c.id;
        EXPECT_EQ(control->text, c.text) << c.id;
        EXPECT_EQ(control->style, c.style) << c.id;
    }
    EXPECT_EQ(dialog->Control(test::kWidthEdit)->x, 40);
    EXPECT_EQ(dialog->Control(test::kWidthEdit)->height, 12);

    // Without STYLE a dialog is a bordered popup with a system menu.
    const DialogTemplate* plain = TestScript().Dialog(test::kPanelDialog);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->style, ws::kPopup | ws::kSysMenu | 0x00800000u);
}

TEST(ResourceScript, KnowsFileResourcesAndPassesOverOtherKinds) {
    const ResourceScript& script = TestScript();
    ASSERT_NE(script.File("CURSOR", "5"), nullptr);
    EXPECT_EQ(script.File("CURSOR", "5")->file, "pen.cur");
    ASSERT_NE(script.File("bitmap", "tools"), nullptr);
    EXPECT_EQ(script.File("BITMAP", "Tools")->file, "tools.bmp");
    EXPECT_EQ(script.File("CURSOR", "6"), nullptr);
    // The string table, the manifest and the version block came between the resources
    // above and were passed over without a complaint.
    EXPECT_EQ(script.errors, std::vector<std::string>{});
    EXPECT_EQ(script.dialogs.size(), 2u);
}

// A fault is reported with its line, and what follows it is still read.
TEST(ResourceScript, ReportsFaultsAndReadsOn) {
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"9 DIALOG 0, 0, 10, 10\nSTYLE WS_BOGUS | WS_POPUP\nBEGIN\nEND\nm MENU\nBEGIN\nEND",
         "line 2: unknown name WS_BOGUS"},
        {"9 DIALOG 0, 0, 10, 10\nBEGIN\n  SLIDER 1, 2, 3\nEND\nm MENU\nBEGIN\nEND",
         "line 3: not a control: SLIDER"},
        {"m MENU\nBEGIN\n  ITEM \"x\", 1\nEND\n9 DIALOG 0, 0, 10, 10\nBEGIN\nEND",
         "line 3: not a menu item: ITEM"},
        {"a ACCELERATORS\nBEGIN\n  \"A\", 1, VIRTKEY, WINKEY\nEND\nm MENU\nBEGIN\nEND",
         "line 3: unknown accelerator flag WINKEY"},
    };
    for (const auto& c : cases) {
        const ResourceScript script = ParseResourceScript(c.script);
        ASSERT_EQ(script.errors.size(), 1u) << c.script;
        EXPECT_EQ(script.errors[0], c.error);
        EXPECT_TRUE(script.Menu("m") != nullptr || script.Dialog(9) != nullptr) << c.script;
    }
}

// A header shared with C++ keeps its C++ parts behind RC_INVOKED and may be included twice
// behind its guard, as the resource compilers allow.
TEST(ResourceScript, ReadsHeadersSharedWithCpp) {
    const char* const header =
        "#ifndef IDS_H\n#define IDS_H\n#define IDD_SIZE 7\n#define IDC_WIDTH 1001\n"
        "#ifndef RC_INVOKED\ninline constexpr int kWidthEdit = IDC_WIDTH;\n#endif\n"
        "#endif\n";
    const ResourceScript script = ParseResourceScript(
        "#include \"ids.h\"\n#include \"ids.h\"\n"
        "IDD_SIZE DIALOG 0, 0, 10, 10\nBEGIN\n  EDITTEXT IDC_WIDTH, 1, 1, 5, 5\nEND\n",
        [&](const std::string& name) {
            return name == "ids.h" ? std::optional<std::string>(header) : std::nullopt;
        });

    EXPECT_EQ(script.errors, std::vector<std::string>{});
    ASSERT_NE(script.Dialog(7), nullptr);
    EXPECT_NE(script.Dialog(7)->Control(1001), nullptr);
    EXPECT_EQ(script.dialogs.size(), 1u);
}

// ---- The program's own script. ----

TEST(ProgramResources, ParseWithoutFaults) {
    EXPECT_EQ(test::ProgramResources().errors, std::vector<std::string>{});
}

TEST(ProgramResources, MainMenuHasTheSixPopupsAndTheRecentSubmenus) {
    const MenuTemplate* menu = test::ProgramResources().Menu("mainmenu");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Texts(menu->items), (std::vector<std::string>{"ファイル", "編集", "表示", "変形",
                                                            "オプション", "ヘルプ"}));
    // The recent lists are the first and the second submenu of ファイル, each starting with
    // its disabled placeholder.
    std::vector<const MenuTemplateItem*> submenus;
    for (const MenuTemplateItem& item : menu->items.at(0).items) {
        if (item.popup) submenus.push_back(&item);
    }
    ASSERT_GE(submenus.size(), 2u);
    const std::pair<int, const char*> recent[] = {{40037, "最近のビットマップ"},
                                                  {40039, "最近のレイヤー"}};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(submenus[i]->text, recent[i].second);
        ASSERT_FALSE(submenus[i]->items.empty());
        EXPECT_EQ(submenus[i]->items[0].id, recent[i].first);
        EXPECT_EQ(submenus[i]->items[0].text, "(なし)");
        EXPECT_TRUE(submenus[i]->items[0].grayed);
    }
}

// The shortcut a menu item shows after its tab, as an accelerator would have it.
struct Shortcut {
    int key = 0;
    bool control = false;
    bool shift = false;
    auto operator<=>(const Shortcut&) const = default;
};

std::optional<Shortcut> ShownShortcut(const std::string& text) {
    const std::size_t tab = text.find('\t');
    if (tab == std::string::npos) return std::nullopt;
    std::string keys = text.substr(tab + 1);
    Shortcut shortcut;
    if (keys.rfind("Ctrl+", 0) == 0) {
        shortcut.control = true;
        keys = keys.substr(5);
    } else if (keys.rfind("Shift+", 0) == 0) {
        shortcut.shift = true;
        keys = keys.substr(6);
    }
    shortcut.key = keys == "Del" ? 0x2E : keys.size() == 1 ? keys[0] : -1;
    return shortcut;
}

void CollectShortcuts(const std::vector<MenuTemplateItem>& items, std::map<Shortcut, int>& shown) {
    for (const MenuTemplateItem& item : items) {
        if (const auto shortcut = ShownShortcut(item.text)) shown[*shortcut] = item.id;
        CollectShortcuts(item.items, shown);
    }
}

// What the menu promises is what the keys do, and no key does what the menu does not show.
TEST(ProgramResources, AcceleratorsMatchTheShortcutsTheMenuShows) {
    const ResourceScript& script = test::ProgramResources();
    const MenuTemplate* menu = script.Menu("mainmenu");
    const AcceleratorTable* table = script.Accelerators("DaubAccel");
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(table, nullptr);
    std::map<Shortcut, int> shown;
    CollectShortcuts(menu->items, shown);
    EXPECT_EQ(shown.size(), 13u);

    std::map<Shortcut, int> keys;
    for (const Accelerator& entry : table->entries) {
        EXPECT_TRUE(entry.virtualKey) << entry.command;
        EXPECT_FALSE(entry.alt) << entry.command;
        EXPECT_TRUE(
            keys.emplace(Shortcut{entry.key, entry.control, entry.shift}, entry.command).second)
            << "two entries for the key of " << entry.command;
    }
    EXPECT_EQ(keys, shown);
}

TEST(ProgramResources, HoldEveryTemplateCursorAndBitmapTheProgramLoads) {
    const ResourceScript& script = test::ProgramResources();
    const std::pair<int, const char*> modeless[] = {
        {116, "ツール"}, {122, "パレット"}, {142, "曲線設定"}};
    for (const auto& [id, caption] : modeless) {
        ASSERT_NE(script.Dialog(id), nullptr) << id;
        EXPECT_EQ(script.Dialog(id)->caption, caption);
    }
    // The modal ones are closed with OK or Cancel.
    for (int id : {134, 136, 137, 140}) {
        const DialogTemplate* dialog = script.Dialog(id);
        ASSERT_NE(dialog, nullptr) << id;
        EXPECT_NE(dialog->Control(1), nullptr) << id;
        EXPECT_NE(dialog->Control(2), nullptr) << id;
    }
    for (const DialogTemplate& dialog : script.dialogs) {
        std::set<int> ids;
        for (const DialogControl& control : dialog.controls) {
            EXPECT_TRUE(control.id == -1 || ids.insert(control.id).second)
                << "control " << control.id << " twice in dialog " << dialog.name;
        }
    }
    for (int id : {121, 124, 125, 127, 130, 135, 138}) {
        EXPECT_NE(script.File("CURSOR", std::to_string(id)), nullptr) << id;
    }
    EXPECT_NE(script.File("BITMAP", "ToolBitmap"), nullptr);
    EXPECT_NE(script.File("BITMAP", "PalBitmap"), nullptr);
    EXPECT_NE(script.File("ICON", "DAUBICON"), nullptr);
}

}  // namespace
}  // namespace daub
