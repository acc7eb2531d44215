#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "platform/message_box.h"
#include "tests/app/layer_scene.h"

namespace daub {
namespace {

using test::LayerScene;

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kBlue = 0xFF0000;
constexpr int kDisplay = -1;

// Three layers, white, red and blue from the bottom.
void ThreeLayers(LayerScene& s) {
    s.run.New("4", "3");
    s.AddLayers(2);
    FillBitmap(s.Row(1), kRed);
    FillBitmap(s.Row(2), kBlue);
}

// Widths are multiples of 4, so that the rows need no padding.
std::string WriteBmp(const test::TempDir& dir, const std::string& name, int width, int height,
                     COLORREF colour) {
    test::BmpSpec spec;
    spec.width = width;
    spec.height = height;
    for (int i = 0; i < width * height; ++i)
        spec.pixels.insert(spec.pixels.end(), {BlueOf(colour), GreenOf(colour), RedOf(colour)});
    test::WriteBytes(dir.File(name), test::BuildBmp(spec));
    return dir.File(name);
}

TEST(MainWindowLayers, DeleteTakesTheSelectedLayerAfterTheQuestion) {
    const struct {
        int selected, hidden, answer, wantLayers, wantRow;
        COLORREF wantEdited;
    } cases[] = {
        {1, -1, answer::kYes, 2, 1, kBlue},  // the top layer moves down into the row
        {2, -1, answer::kYes, 2, 1, kRed},   // the top one went: the one below is edited
        {1, 2, answer::kYes, 2, 1, kBlue},   // the edited layer is shown, though it was hidden
        {1, -1, answer::kNo, 3, 1, kRed},
    };
    for (const auto& c : cases) {
        LayerScene s;
        ThreeLayers(s);
        s.SelectRow(c.selected);
        if (c.hidden >= 0) s.ToggleRow(c.hidden);
        s.Menu(LayerWnd::kDeleteItem, c.answer);
        EXPECT_EQ(s.LastMessage(), "選択しているレイヤーを削除します。よろしいですか？ / 警告！！");
        EXPECT_EQ(s.Layers(), c.wantLayers) << c.selected;
        EXPECT_EQ(s.window.list.selectedRow, c.wantRow) << c.selected;
        EXPECT_EQ(s.Pixel(c.wantRow, 0, 0), c.wantEdited) << c.selected;
        EXPECT_EQ(s.Shown(c.wantRow), 1) << c.selected;
    }
    LayerScene s;
    s.run.New("4", "3");
    s.Menu(LayerWnd::kDeleteItem, answer::kYes);
    EXPECT_EQ(s.LastMessage(), "最後の画像は削除できません / Daubix");
    EXPECT_EQ(s.Layers(), 1);
}

// With the default 20 slots fourteen layers; with 100 or more slots only the first. A drop
// on a full stack is refused as the add is.
TEST(MainWindowLayers, TheStackStopsAtItsSlots) {
    const struct {
        std::string layerCount;
        int added;
    } cases[] = {{"13", 13}, {"93", 0}};
    for (const auto& c : cases) {
        test::TempDir work;
        LayerScene s(work.File("undo") + "/\r\n20\r\n" + c.layerCount + "\r\n0\r\n0\r\n");
        s.run.New("4", "3");
        s.AddLayers(c.added);
        s.AddLayers(1);
        s.Drop(WriteBmp(work, "p.bmp", 4, 1, kRed));
        EXPECT_EQ(s.run.platform.MessageBoxes().size(), 2u);
        EXPECT_EQ(s.LastMessage(), "レイヤーの数は最大です。 / Daubix");
        EXPECT_EQ(s.Layers(), c.added + 1) << c.layerCount;
        EXPECT_EQ(s.window.list.lastRow, c.added) << c.layerCount;
    }
}

// The picture of row 0 goes to row 2 with its undo history; the edited row stays row 0.
TEST(MainWindowLayers, ExchangeMovesPicturesWithTheirUndo) {
    LayerScene s;
    ThreeLayers(s);
    FillBitmap(s.Row(1), kTransparentColour);
    s.SelectRow(0);
    s.run.platform.Send(s.run.MainHandle(), {wm::kLButtonDown, 0, MakeLParam(5, 5)});
    s.run.platform.Send(s.run.MainHandle(), {wm::kLButtonUp, 0, MakeLParam(5, 5)});
    ASSERT_EQ(s.Pixel(0, 2, 2), 0x000000u);
    s.ToggleRow(2);
    s.Drag(0, 2, answer::kNo);
    EXPECT_EQ(s.LastMessage(), "0と2を入れ替えますか? / 確認");
    EXPECT_EQ(s.Pixel(0, 0, 0), kWhite);

    s.Drag(0, 2, answer::kYes);
    EXPECT_EQ(s.Pixel(0, 0, 0), kBlue);
    EXPECT_EQ(s.Pixel(2, 2, 2), 0x000000u);
    EXPECT_EQ(s.run.Doc().currentLayer, LayerStack::kFirstLayer);
    // The hidden picture came into the edited row, which is always shown.
    EXPECT_EQ(s.window.list.marks[0], 1);
    EXPECT_EQ(s.Pixel(kDisplay, 2, 2), 0x000000u);
    s.SelectRow(2);
    s.run.platform.SendCommand(s.run.MainHandle(), cmd::kUndo);
    EXPECT_EQ(s.Pixel(2, 2, 2), kWhite);
    EXPECT_EQ(s.Pixel(0, 2, 2), kBlue);
}

// Marks reach the composite at once; the edited row cannot be hidden, and selecting a
// hidden row shows it.
TEST(MainWindowLayers, VisibilityClicksRecomposite) {
    LayerScene s;
    s.run.New("4", "3");
    s.AddLayers(1);
    FillBitmap(s.Row(1), kRed);
    const struct {
        int x, row, wantShown1;
        COLORREF wantDisplay;
    } steps[] = {{20, 1, 0, kWhite}, {20, 0, 0, kWhite}, {80, 1, 1, kRed}};
    for (const auto& step : steps) {
        s.Click(step.x, LayerScene::RowY(step.row));
        EXPECT_EQ(s.Shown(0), 1);
        EXPECT_EQ(s.Shown(1), step.wantShown1);
        EXPECT_EQ(s.window.list.marks[1], step.wantShown1);
        EXPECT_EQ(s.Pixel(kDisplay, 1, 1), step.wantDisplay);
    }
}

// Before any document a drop opens the picture as the document (an unreadable one is only
// refused); then a smaller picture lands at the top-left corner of a see-through layer.
TEST(MainWindowLayers, DropsOpenTheDocumentOrAddALayer) {
    test::TempDir dir;
    LayerScene s;
    s.Drop(dir.File("missing.bmp"));
    EXPECT_FALSE(s.run.Doc().HasDocument());
    s.Drop(WriteBmp(dir, "first.bmp", 8, 3, kBlue));
    ASSERT_TRUE(s.run.Doc().HasDocument());
    EXPECT_EQ(s.run.Doc().fileName, dir.File("first.bmp"));
    EXPECT_EQ(s.window.list.lastRow, 0);

    s.Drop(WriteBmp(dir, "small.bmp", 4, 1, kRed));
    EXPECT_EQ(s.window.list.lastRow, 1);
    EXPECT_EQ(s.Pixel(kDisplay, 3, 0), kRed);
    EXPECT_EQ(s.Pixel(kDisplay, 4, 0), kBlue);
    EXPECT_EQ(s.Pixel(kDisplay, 0, 1), kBlue);
    EXPECT_EQ(s.run.platform.MessageBoxes().size(), 1u);
}

// Memory for the picture, or for its canvas-sized layer, runs out: told, nothing changes.
TEST(MainWindowLayers, DropWithoutMemoryChangesNothing) {
    test::TempDir dir;
    const struct {
        int side;
        std::size_t limit;
    } cases[] = {{40, 4000}, {4, 100}};
    for (const auto& c : cases) {
        LayerScene s;
        s.run.New("20", "20");
        const std::string picture = WriteBmp(dir, "p.bmp", c.side, c.side, kRed);
        const std::size_t limit = LayerStack::AllocationLimit();
        LayerStack::AllocationLimit() = c.limit;
        s.Drop(picture);
        LayerStack::AllocationLimit() = limit;
        EXPECT_EQ(s.LastMessage(), "メモリが足りないため読み込めません。 / error") << c.side;
        EXPECT_EQ(s.Layers(), 1) << c.side;
        EXPECT_EQ(s.Pixel(kDisplay, 0, 0), kWhite) << c.side;
    }
}

// A click beside both cells, above the first row or below the last is no command: it must
// not repeat the last one (here an add), nor does a second report of that one.
TEST(MainWindowLayers, ClicksOutsideTheRowsRepeatNothing) {
    const struct { int x, y; } cases[] = {{0, 30}, {150, 30}, {20, 0}, {80, 0}, {20, 90}};
    for (const auto& c : cases) {
        LayerScene s;
        s.run.New("4", "3");
        s.AddLayers(1);
        s.SelectRow(1);
        s.AddLayers(1);
        s.Click(c.x, c.y);
        s.run.platform.Send(s.run.MainHandle(), {notify::kLayerCommand, 0, 0});
        EXPECT_EQ(s.Layers(), 3) << c.x << "," << c.y;
        EXPECT_EQ(s.run.Doc().currentLayer, LayerStack::kFirstLayer + 1) << c.x << "," << c.y;
        EXPECT_EQ(s.Shown(0) + s.Shown(1) + s.Shown(2), 3) << c.x << "," << c.y;
    }
}

// With 40 layer slots rows 34 and 35 exist; their visibility cells neither add nor delete.
TEST(MainWindowLayers, HighRowsOnlyShowOrHide) {
    test::TempDir work;
    LayerScene s(work.File("undo") + "/\r\n20\r\n40\r\n0\r\n0\r\n");
    s.run.New("4", "3");
    s.AddLayers(35);
    for (int row : {34, 35}) {
        s.ToggleRow(row);
        EXPECT_EQ(s.Layers(), 36) << row;
        EXPECT_EQ(s.Shown(row), 0) << row;
    }
}

}  // namespace
}  // namespace daub
