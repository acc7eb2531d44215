#include <gtest/gtest.h>

#include "tests/app/app_fixture.h"
#include "toolwindows/palette_picture.h"
#include "toolwindows/satellite_picture.h"

namespace daub {
namespace {

using test::RunningApp;

struct ColourBox {
    RunningApp run;
    PaletteWindow& window = run.Main().satellites.palette;

    void Send(unsigned message, int x, int y) {
        run.platform.Send(window.Handle(), {message, 0, MakeLParam(x, y)});
    }
    // A double click arrives as a button press, then the double click itself.
    void DoubleClick(bool left, int x, int y) {
        Send(left ? wm::kLButtonDown : wm::kRButtonDown, x, y);
        Send(left ? wm::kLButtonUp : wm::kRButtonUp, x, y);
        Send(left ? wm::kLButtonDblClk : wm::kRButtonDblClk, x, y);
        Send(left ? wm::kLButtonUp : wm::kRButtonUp, x, y);
    }
    const HeadlessSurface& Surface() { return *run.platform.Surface(window.Handle()); }
};

// A click at the top-left point where cell i takes clicks.
struct Point2 {
    int x, y;
};
Point2 CellClick(int i) {
    return {PaletteCellX(i) + kPaletteOriginX, PaletteCellY(i) + kPaletteOriginY};
}

TEST(PaletteWindow, ClicksChooseButtonColoursAndTheMainWindowFollows) {
    const Point2 white = CellClick(1);
    const Point2 last = CellClick(27);
    const struct {
        bool left;
        int x, y;
        COLORREF want;
    } cases[] = {
        {true, white.x, white.y, 0xFFFFFF},
        {true, white.x + 11, white.y + 11, 0xFFFFFF},
        {false, CellClick(6).x, CellClick(6).y, 0x008080},
        {true, last.x + 11, last.y + 11, 0x4080FF},
        {false, 3, 22, kTransparentColour},
        {true, 30, 32, kTransparentColour},
        // The strip along a cell's left and top edges is drawn but takes no clicks, and the
        // gap right of a cell takes none either.
        {true, white.x - 1, white.y, 0x000000},
        {false, CellClick(0).x, CellClick(0).y - 1, 0xFFFFFF},
        {true, white.x + 12, white.y, 0x000000},
        {true, 31, 22, 0x000000},
        // The swatches take no clicks.
        {false, 6, 10, 0xFFFFFF},
    };
    for (const auto& c : cases) {
        ColourBox box;
        box.Send(c.left ? wm::kLButtonDown : wm::kRButtonDown, c.x, c.y);
        const COLORREF got = c.left ? box.window.leftColour : box.window.rightColour;
        const COLORREF doc = c.left ? box.run.Doc().drawColour : box.run.Doc().secondColour;
        EXPECT_EQ(got, c.want) << c.x << "," << c.y;
        EXPECT_EQ(doc, c.want) << c.x << "," << c.y;
        // The other button keeps its colour.
        EXPECT_EQ(c.left ? box.window.rightColour : box.window.leftColour,
                  c.left ? 0xFFFFFFu : 0x000000u);
    }
}

// A click that hits nothing still reports, so the main window takes what the box holds.
TEST(PaletteWindow, EveryClickReports) {
    ColourBox box;
    box.window.leftColour = 0x123456;
    box.Send(wm::kLButtonDown, 6, 10);
    EXPECT_EQ(box.run.Doc().drawColour, 0x123456u);
}

TEST(PaletteWindow, DrawsSwatchesTransparentCellAndCells) {
    ColourBox box;
    box.window.leftColour = 0x123456;
    box.window.rightColour = 0x654321;
    box.window.colours[27] = 0x010203;
    box.window.transparentColour = 0x0A0B0C;  // the bitmap has the usual one in its cell
    box.run.platform.Paint(box.window.Handle());
    const HeadlessSurface& surface = box.Surface();
    const struct {
        PixelRect area;  // every pixel inside has the colour, none just outside
        COLORREF colour;
    } expected[] = {
        {{4, 8, 15, 19}, 0x123456},
        {{18, 8, 29, 19}, 0x654321},
        {{2, 21, 29, 31}, 0x0A0B0C},
        {{PaletteCellX(27), 20, PaletteCellX(27) + 12, 32}, 0x010203},
    };
    for (const auto& e : expected) {
        for (int y = e.area.top - 1; y <= e.area.bottom; ++y) {
            for (int x = e.area.left - 1; x <= e.area.right; ++x) {
                const bool inside =
                    x >= e.area.left && x < e.area.right && y >= e.area.top && y < e.area.bottom;
                EXPECT_EQ(surface.Pixel(x, y) == e.colour, inside) << x << "," << y;
            }
        }
    }
    for (int i = 0; i < 27; ++i)
        EXPECT_EQ(surface.Pixel(PaletteCellX(i), PaletteCellY(i)),
                  PaletteWindow::kInitialColours[i]);
}

// Where nothing is painted over it the client area shows the bitmap from (1, 1).
TEST(PaletteWindow, ShowsItsBitmapAtOneOne) {
    ColourBox box;
    box.run.platform.Paint(box.window.Handle());
    const auto bitmap = box.run.platform.LoadBitmapResource(PaletteWindow::kBitmapName);
    ASSERT_TRUE(bitmap.has_value());
    ASSERT_EQ(bitmap->width, kPaletteBitmapWidth);
    ASSERT_EQ(bitmap->height, kPaletteBitmapHeight);
    ViewImage expected;
    expected.Resize(bitmap->width, bitmap->height);
    expected.pixels = bitmap->bits;
    const HeadlessSurface& surface = box.Surface();
    // Rows above and below the cells, and the columns between the swatches and the cells.
    for (int y : {0, 1, 2, 31, 32, 33}) {
        for (int x = 0; x < kPaletteBitmapWidth; ++x)
            ASSERT_EQ(surface.Pixel(x + 1, y + 1), expected.Get(x, y)) << x << "," << y;
    }
    for (int x : {0, 28, 29, 30, 31, 32}) {
        for (int y = 0; y < kPaletteBitmapHeight; ++y)
            ASSERT_EQ(surface.Pixel(x + 1, y + 1), expected.Get(x, y)) << x << "," << y;
    }
    EXPECT_EQ(surface.Pixel(0, 10), kSatelliteFace);
}

TEST(PaletteWindow, DoubleClickEditsTheCellAndTheButtonColour) {
    const struct {
        bool left;
        Point2 at;
        int cell;
    } cases[] = {
        {true, CellClick(6), 6},
        {false, CellClick(3), 3},
        // Outside every cell, even on a swatch or the transparent cell, cell 0 is edited.
        {true, {6, 10}, 0},
        {false, {3, 22}, 0},
    };
    for (const auto& c : cases) {
        ColourBox box;
        box.run.platform.colourAnswers.push_back(0x0000FF);
        box.DoubleClick(c.left, c.at.x, c.at.y);
        const auto& dialogs = box.run.platform.ColourDialogs();
        ASSERT_EQ(dialogs.size(), 1u) << c.cell;
        EXPECT_EQ(dialogs[0].initial, PaletteWindow::kInitialColours[c.cell]) << c.cell;
        EXPECT_EQ(dialogs[0].owner, box.window.Handle());
        EXPECT_EQ(box.window.colours[c.cell], 0x0000FFu) << c.cell;
        for (int i = 0; i < PaletteWindow::kCellCount; ++i) {
            if (i == c.cell) continue;
            EXPECT_EQ(box.window.colours[i], PaletteWindow::kInitialColours[i]) << i;
        }
        EXPECT_EQ(c.left ? box.window.leftColour : box.window.rightColour, 0x0000FFu);
        EXPECT_EQ(c.left ? box.run.Doc().drawColour : box.run.Doc().secondColour, 0x0000FFu);
        EXPECT_EQ(box.Surface().Pixel(PaletteCellX(c.cell), PaletteCellY(c.cell)), 0x0000FFu);
        const int swatchX = c.left ? 4 : 18;
        EXPECT_EQ(box.Surface().Pixel(swatchX, 8), 0x0000FFu);
    }
}

// Cancelling leaves what the first click of the double click chose.
TEST(PaletteWindow, CancelledDoubleClickChangesNoCell) {
    ColourBox box;
    box.run.platform.colourAnswers.push_back(std::nullopt);
    const Point2 at = CellClick(9);
    box.DoubleClick(true, at.x, at.y);
    EXPECT_EQ(box.run.platform.ColourDialogs().size(), 1u);
    EXPECT_EQ(box.window.colours, PaletteWindow::kInitialColours);
    EXPECT_EQ(box.window.leftColour, 0x00FF00u);
    EXPECT_EQ(box.run.Doc().drawColour, 0x00FF00u);
}

}  // namespace
}  // namespace daub
