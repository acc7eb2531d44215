#include <gtest/gtest.h>

#include "document/scroll_requests.h"
#include "tests/app/layer_scene.h"

namespace daub {
namespace {

using test::LayerScene;

// Three rows, the top one hidden, row 1 selected; a new document has one row again.
TEST(LayerWindow, ListShowsTheRowsOfTheDocument) {
    LayerScene s;
    s.run.New("4", "3");
    s.AddLayers(2);
    s.ToggleRow(2);
    s.SelectRow(1);
    const HeadlessSurface& surface = *s.run.platform.Surface(s.window.Handle());
    ASSERT_NE(surface.TextAt(0, 0), nullptr);
    EXPECT_EQ(surface.TextAt(0, 0)->text, "表面");
    EXPECT_EQ(surface.TextAt(0, 0)->font, (TextFont{16, "LayerFont", 128, 0x20, 1}));
    const struct {
        const char* name;
        COLORREF nameCell, visibilityCell;
    } rows[] = {{"レイヤー 0", 0xFFFFFF, 0x0000FF},
                {"レイヤー 1", 0x00FF00, 0x0000FF},
                {"レイヤー 2", 0xFFFFFF, 0xFFFFFF}};
    for (int row = 0; row < 3; ++row) {
        const DrawnText* text = surface.TextAt(45, 20 + 20 * row);
        ASSERT_NE(text, nullptr) << row;
        EXPECT_EQ(text->text, rows[row].name);
        EXPECT_EQ(text->backgroundColour, rows[row].nameCell);
        EXPECT_EQ(surface.Pixel(149, LayerScene::RowY(row)), rows[row].nameCell);
        EXPECT_EQ(surface.Pixel(0, LayerScene::RowY(row)), rows[row].visibilityCell);
    }
    s.run.New("4", "3");
    s.run.platform.RedrawNow(s.window.Handle());
    EXPECT_EQ(surface.TextAt(45, 40), nullptr);
}

// Ten rows in a 131-pixel client area: 20 positions, a page of 11; the list moves 10 pixels
// a position and stops half a page before the end.
TEST(LayerWindow, ScrollingMovesTheRows) {
    LayerScene s;
    s.run.New("4", "3");
    s.AddLayers(9);
    s.run.platform.MoveNativeWindow(s.window.Handle(), 540, 240, 150, 131, true);
    namespace sr = scroll_request;
    const struct {
        int request, thumb, wantPos;
    } steps[] = {{sr::kLineUp, 0, 0},     {sr::kLineDown, 0, 1},        {sr::kPageDown, 0, 2},
                 {sr::kThumbTrack, 7, 7}, {sr::kThumbPosition, 12, 15}, {sr::kTop, 0, 0},
                 {sr::kBottom, 0, 15}};
    for (const auto& step : steps) {
        const auto wParam = static_cast<std::uintptr_t>(step.request | (step.thumb << 16));
        s.run.platform.Send(s.window.Handle(), {wm::kVScroll, wParam, 0});
        const ScrollInfo& bar = s.run.Record(s.window.Handle()).scrollBars[sb::kVert];
        EXPECT_EQ(bar.pos, step.wantPos) << step.request;
        const HeadlessSurface& surface = *s.run.platform.Surface(s.window.Handle());
        EXPECT_NE(surface.TextAt(45, 20 - 10 * step.wantPos), nullptr) << step.request;
    }
    // The wheel: a line a notch, up for a turn away from the user, within the same limits.
    const struct { int delta, wantPos; } turns[] = {{120, 14}, {-60, 14}, {-60, 15}, {-240, 15}};
    for (const auto& turn : turns) {
        const auto wParam = static_cast<std::uintptr_t>(static_cast<std::uint16_t>(turn.delta))
                            << 16;
        s.run.platform.Send(s.window.Handle(), {wm::kMouseWheel, wParam, 0});
        EXPECT_EQ(s.run.Record(s.window.Handle()).scrollBars[sb::kVert].pos, turn.wantPos)
            << turn.delta;
    }
}

// The band above row 0 counts as row 0; the window's top pixel row gives row -1, which is
// none, as are the rows past the last.
TEST(LayerWindow, PointsFindTheirRows) {
    LayerList list;
    list.lastRow = 2;
    const struct {
        int y, offset;
        std::optional<int> want;
    } cases[] = {{0, 0, std::nullopt}, {1, 0, 0}, {40, 0, 1}, {80, 0, std::nullopt}, {0, 10, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(RowAt(list, {.verticalOffset = c.offset}, c.y), c.want) << c.y << "," << c.offset;
}

}  // namespace
}  // namespace daub
