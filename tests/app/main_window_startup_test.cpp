#include <gtest/gtest.h>

#include "tests/app/app_fixture.h"

namespace daub {
namespace {

using test::RunningApp;

TEST(MainWindowStartup, SatellitesAppearInTheirPlaces) {
    RunningApp run;
    TDaubWindow& main = run.Main();
    const struct {
        WindowHandle handle;
        const char* title;
        PixelRect rect;  // left, top, right, bottom
        std::uint32_t style;
    } windows[] = {
        {main.satellites.infoWindow->Handle(), "座標", {540, 440, 680, 550}, 0xD0C00000},
        {main.satellites.layerWindow->Handle(), "レイヤー", {540, 240, 690, 440}, 0xD0E40000},
        {main.satellites.viewWindow->Handle(), "編集レイヤー画像", {540, 40, 740, 240}, 0xD0CF0000},
    };
    for (const auto& w : windows) {
        const HeadlessWindow& record = run.Record(w.handle);
        EXPECT_EQ(record.spec.title, w.title);
        EXPECT_EQ(record.rect, w.rect) << w.title;
        EXPECT_EQ(record.spec.style, w.style) << w.title;
        EXPECT_EQ(record.spec.parent, run.MainHandle()) << w.title;
        EXPECT_TRUE(record.visible) << w.title;
    }
    EXPECT_EQ(run.Record(main.satellites.layerWindow->Handle()).spec.exStyle, ws_ex::kAcceptFiles);

    const struct {
        const SatelliteDialog& dialog;
        int templateId;
        const char* title;
    } dialogs[] = {
        {main.satellites.toolbox, 116, "ツール"},
        {main.satellites.palette, 122, "パレット"},
        {main.satellites.curveSettingsDialog, 142, "曲線設定"},
    };
    for (const auto& d : dialogs) {
        const HeadlessWindow& record = run.Record(d.dialog.Handle());
        EXPECT_EQ(record.dialogTemplate, d.templateId);
        EXPECT_EQ(record.spec.title, d.title);
        EXPECT_EQ(record.spec.parent, run.MainHandle()) << d.title;
        EXPECT_TRUE(record.visible) << d.title;
        EXPECT_EQ(d.dialog.closedMarker, 0);
    }
    EXPECT_EQ(run.Record(main.satellites.toolbox.Handle()).dialogUnits,
              (PixelRect{400, 0, 435, 175}));
}

TEST(MainWindowStartup, DocumentStartsEmptyWithTheSatellitesValues) {
    RunningApp run;
    const DocumentState& doc = run.Doc();
    EXPECT_FALSE(doc.HasDocument());
    EXPECT_EQ(doc.slotCount, 20);
    EXPECT_EQ(doc.layerStack->SlotCount(), 20);
    EXPECT_EQ(doc.undoDepth, 20);
    EXPECT_EQ(doc.leftTool, ToolKind::Pen);
    EXPECT_EQ(doc.previousTool, ToolKind::Pen);
    EXPECT_EQ(doc.rightTool, ToolKind::ColourPicker);
    EXPECT_EQ(doc.drawColour, 0x000000u);
    EXPECT_EQ(doc.secondColour, 0xFFFFFFu);
    EXPECT_EQ(doc.transparentColour, 0xF0E7DFu);
    EXPECT_EQ(doc.penWidth, 1);
    EXPECT_EQ(doc.currentLayer, 5);
    EXPECT_EQ(doc.lastLayer, 0);
    EXPECT_EQ(doc.layerImageVisible, 1);
    EXPECT_EQ(doc.fileName, "notitle.bmp");
    EXPECT_EQ(run.Main().satellites.infoWindow->values.transparent, 0xF0E7DFu);
    EXPECT_EQ(run.Main().satellites.curveSettingsDialog.settings.values[0], 10);
}

TEST(MainWindowStartup, ConfigurationSetsSlotsAndUndoDepth) {
    test::TempDir work;
    const std::string workDirectory = work.File("undo") + "/";
    RunningApp run(workDirectory + "\r\n7//Undoの回数\r\n3//レイヤーの数\r\n0\r\n0\r\n");
    EXPECT_EQ(run.Doc().slotCount, 10);
    EXPECT_EQ(run.Doc().layerStack->SlotCount(), 10);
    EXPECT_EQ(run.Doc().undoDepth, 7);
    EXPECT_EQ(run.Doc().workDirectory, workDirectory);
}

TEST(MainWindowStartup, FirstStartWritesTheDefaultFile) {
    RunningApp run;
    const std::vector<std::uint8_t> bytes = test::ReadBytes(run.installation.StartFile());
    EXPECT_FALSE(bytes.empty());
    EXPECT_EQ(run.Doc().workDirectory,
              DefaultWorkDirectory(run.installation.system.ExecutablePath()));
}

TEST(MainWindowStartup, MenuBarHoldsTheSixPopupsWithTheirChecks) {
    RunningApp run;
    HeadlessPlatform& p = run.platform;
    const MenuHandle bar = p.WindowMenu(run.MainHandle());
    ASSERT_TRUE(bar);
    EXPECT_EQ(p.MenuItemCount(bar), 6);
    for (int id : {40014, 40015, 40027, 40046})
        EXPECT_TRUE(run.Item(2, id).checked) << id;
    EXPECT_FALSE(run.Item(2, 40041).checked);
}

}  // namespace
}  // namespace daub

namespace daub {
namespace {

// The texts of a submenu of "ファイル" (by its position there), and whether each is enabled.
std::vector<std::pair<std::string, bool>> SubmenuItems(test::RunningApp& run, int position) {
    HeadlessPlatform& p = run.platform;
    const MenuHandle file = p.OpenPopup(run.MainHandle(), 0);
    const MenuHandle submenu = p.SubMenu(file, position);
    std::vector<std::pair<std::string, bool>> items;
    for (int i = 0; i < p.MenuItemCount(submenu); ++i) {
        const auto item = p.MenuItem(run.MainHandle(), p.MenuItemId(submenu, i));
        items.emplace_back(item->text, item->enabled);
    }
    return items;
}

TEST(MainWindowStartup, RecentMenusShowTheFilesThatStillExist) {
    test::TempDir files;
    const std::string kept = files.File("猫.bmp"), gone = files.File("gone.bmp");
    const std::string layers = files.File("絵.dbq");
    test::WriteBytes(kept, {'B', 'M'});
    test::WriteBytes(layers, {'1'});
    test::RunningApp run(files.File("undo") + "/\n20\n13\n2\n" + gone + "\n" + kept + "\n1\n" +
                         layers + "\n");
    EXPECT_EQ(SubmenuItems(run, 4),
              (std::vector<std::pair<std::string, bool>>{{"1 " + kept, true}}));
    EXPECT_EQ(SubmenuItems(run, 8),
              (std::vector<std::pair<std::string, bool>>{{"1 " + layers, true}}));
    EXPECT_EQ(run.Main().configuration.recentBitmaps, std::vector<std::string>{kept});
}

TEST(MainWindowStartup, RecentMenusStartEmptyWithoutAFile) {
    test::RunningApp run;
    const std::vector<std::pair<std::string, bool>> none = {{"(なし)", false}};
    EXPECT_EQ(SubmenuItems(run, 4), none);
    EXPECT_EQ(SubmenuItems(run, 8), none);
}

}  // namespace
}  // namespace daub
