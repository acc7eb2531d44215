#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "tests/app/app_fixture.h"
#include "toolwindows/satellite_picture.h"
#include "toolwindows/toolbox_picture.h"

namespace daub {
namespace {

using test::RunningApp;

constexpr COLORREF kBlue = 0xFF0000;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kMagenta = 0xFF00FF;
constexpr COLORREF kYellow = 0x00FFFF;

// A pixel in the middle of the top edge of the frame around a tool button.
COLORREF TopOfToolFrame(const HeadlessSurface& surface, int row, int column) {
    return surface.Pixel(25 * column + 13, 25 * row + 1);
}

struct Toolbox {
    RunningApp run;
    ToolboxWindow& window = run.Main().satellites.toolbox;

    void Click(unsigned button, int x, int y) {
        run.platform.Send(window.Handle(), {button, 0, MakeLParam(x, y)});
    }
    const HeadlessSurface& Surface() { return *run.platform.Surface(window.Handle()); }
};

TEST(ToolboxWindow, ClicksChooseToolsAndWidthsAndTheMainWindowFollows) {
    const struct {
        unsigned button;
        int x, y;
        ToolKind left, right;
        int width;
    } cases[] = {
        {wm::kLButtonDown, 1, 0, ToolKind::Mask, ToolKind::ColourPicker, 1},
        {wm::kLButtonDown, 26, 0, ToolKind::RangeSelect, ToolKind::ColourPicker, 1},
        // Left of the bitmap's first column.
        {wm::kLButtonDown, 0, 0, ToolKind::Pen, ToolKind::ColourPicker, 1},
        // Past its last column, and between the buttons and the width panel.
        {wm::kLButtonDown, 51, 10, ToolKind::Pen, ToolKind::ColourPicker, 1},
        {wm::kLButtonDown, 10, 201, ToolKind::Pen, ToolKind::ColourPicker, 1},
        {wm::kLButtonDown, 30, 100, ToolKind::NoTool1900, ToolKind::ColourPicker, 1},
        {wm::kLButtonDown, 50, 199, ToolKind::NoTool2500, ToolKind::ColourPicker, 1},
        {wm::kRButtonDown, 26, 150, ToolKind::Pen, ToolKind::Polyline, 1},
        {wm::kLButtonDown, 8, 225, ToolKind::Pen, ToolKind::ColourPicker, 12},
        {wm::kRButtonDown, 8, 225, ToolKind::Pen, ToolKind::ColourPicker, 12},
        {wm::kLButtonDown, 22, 210, ToolKind::Pen, ToolKind::ColourPicker, 2},
        {wm::kLButtonDown, 50, 234, ToolKind::Pen, ToolKind::ColourPicker, 4},
        // The pixel left of the bitmap still belongs to the first width column.
        {wm::kLButtonDown, 0, 210, ToolKind::Pen, ToolKind::ColourPicker, 3},
        // Below the second row of widths the panel offers nothing.
        {wm::kLButtonDown, 8, 240, ToolKind::Pen, ToolKind::ColourPicker, 1},
        // Nor beside it: right of the top row is not the bottom row's first cell (12).
        {wm::kLButtonDown, 52, 210, ToolKind::Pen, ToolKind::ColourPicker, 1},
        {wm::kRButtonDown, 66, 206, ToolKind::Pen, ToolKind::ColourPicker, 1},
        {wm::kLButtonDown, 52, 226, ToolKind::Pen, ToolKind::ColourPicker, 1},
    };
    for (const auto& c : cases) {
        Toolbox box;
        box.Click(c.button, c.x, c.y);
        const DocumentState& doc = box.run.Doc();
        EXPECT_EQ(box.window.leftTool, c.left) << c.x << "," << c.y;
        EXPECT_EQ(box.window.rightTool, c.right) << c.x << "," << c.y;
        EXPECT_EQ(box.window.penWidth, c.width) << c.x << "," << c.y;
        EXPECT_EQ(doc.leftTool, c.left) << c.x << "," << c.y;
        EXPECT_EQ(doc.rightTool, c.right) << c.x << "," << c.y;
        EXPECT_EQ(doc.penWidth, c.width) << c.x << "," << c.y;
        EXPECT_EQ(doc.previousTool, ToolKind::Pen) << c.x << "," << c.y;
    }
}

// The report of a click that chose nothing still moves the tool it found into previousTool.
TEST(ToolboxWindow, EveryClickReportsEvenWhenItChoosesNothing) {
    Toolbox box;
    box.Click(wm::kLButtonDown, 1, 0);
    EXPECT_EQ(box.run.Doc().previousTool, ToolKind::Pen);
    box.Click(wm::kLButtonDown, 10, 201);
    EXPECT_EQ(box.run.Doc().leftTool, ToolKind::Mask);
    EXPECT_EQ(box.run.Doc().previousTool, ToolKind::Mask);
    EXPECT_TRUE(box.run.Item(2, cmd::kShowToolbox).checked);
}

// Away from the frames the client area is the bitmap moved one pixel right, with the face
// colour in the column left of it.
TEST(ToolboxWindow, ShowsItsBitmapOnePixelRight) {
    Toolbox box;
    box.run.platform.Paint(box.window.Handle());
    const auto bitmap = box.run.platform.LoadBitmapResource(ToolboxWindow::kBitmapName);
    ASSERT_TRUE(bitmap.has_value());
    ViewImage expected;
    expected.Resize(bitmap->width, bitmap->height);
    ASSERT_EQ(expected.pixels.size(), bitmap->bits.size());
    expected.pixels = bitmap->bits;

    const HeadlessSurface& surface = box.Surface();
    const PixelRect unframed[] = {{0, 125, 50, 200}, {0, 203, 17, 237}};
    for (const PixelRect& area : unframed) {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x)
                ASSERT_EQ(surface.Pixel(x + 1, y), expected.Get(x, y)) << x << "," << y;
        }
    }
    for (int y = 0; y < 237; ++y)
        ASSERT_EQ(surface.Pixel(0, y), kSatelliteFace) << y;
}

TEST(ToolboxWindow, FramesFollowTheChoices) {
    Toolbox box;
    box.run.platform.Paint(box.window.Handle());
    // Pen (row 3) on the left, ColourPicker (row 2) on the right, width 1.
    EXPECT_EQ(TopOfToolFrame(box.Surface(), 3, 0), kBlue);
    EXPECT_EQ(TopOfToolFrame(box.Surface(), 2, 0), kRed);
    EXPECT_EQ(box.Surface().Pixel(42, 203), kYellow);

    // The clicks repaint at once, without waiting for WM_PAINT.
    box.Click(wm::kLButtonDown, 30, 100);
    EXPECT_EQ(TopOfToolFrame(box.Surface(), 4, 1), kBlue);
    EXPECT_NE(TopOfToolFrame(box.Surface(), 3, 0), kBlue);

    box.Click(wm::kRButtonDown, 30, 100);
    EXPECT_EQ(TopOfToolFrame(box.Surface(), 4, 1), kMagenta);
    EXPECT_NE(TopOfToolFrame(box.Surface(), 2, 0), kRed);
    box.Click(wm::kRButtonDown, 1, 0);
    EXPECT_EQ(TopOfToolFrame(box.Surface(), 4, 1), kBlue);
    EXPECT_EQ(TopOfToolFrame(box.Surface(), 0, 0), kRed);

    // Width 12: the frame around (5, 219) - (20, 234), and no longer around width 1.
    box.Click(wm::kLButtonDown, 8, 225);
    EXPECT_EQ(box.Surface().Pixel(12, 217), kYellow);
    EXPECT_EQ(box.Surface().Pixel(3, 226), kYellow);
    EXPECT_EQ(box.Surface().Pixel(21, 226), kYellow);
    EXPECT_EQ(box.Surface().Pixel(12, 235), kYellow);
    EXPECT_NE(box.Surface().Pixel(42, 203), kYellow);
}

// The pen is four pixels wide, centred on the outline, with rounded outer corners.
TEST(ToolboxWindow, FrameIsFourPixelsWide) {
    Toolbox box;
    box.run.platform.Paint(box.window.Handle());
    const HeadlessSurface& surface = box.Surface();
    // The left tool's outline runs from (4, 77) to (23, 97).
    for (int y = 75; y < 79; ++y)
        EXPECT_EQ(surface.Pixel(13, y), kBlue) << y;
    EXPECT_NE(surface.Pixel(13, 74), kBlue);
    EXPECT_NE(surface.Pixel(13, 79), kBlue);
    for (int x = 21; x < 25; ++x)
        EXPECT_EQ(surface.Pixel(x, 87), kBlue) << x;
    EXPECT_NE(surface.Pixel(20, 87), kBlue);
    EXPECT_NE(surface.Pixel(25, 87), kBlue);
    EXPECT_NE(surface.Pixel(2, 75), kBlue);
    EXPECT_EQ(surface.Pixel(3, 75), kBlue);
    EXPECT_EQ(surface.Pixel(2, 76), kBlue);
}

// Callers that set a field themselves (the mask tool, select all) ask for a repaint.
TEST(ToolboxWindow, RepaintShowsFieldsSetFromOutside) {
    Toolbox box;
    box.window.leftTool = ToolKind::RangeSelect;
    box.window.Repaint();
    EXPECT_EQ(TopOfToolFrame(box.Surface(), 0, 1), kBlue);
}

// Values without a cell are left unframed rather than drawn somewhere off the grid.
TEST(ToolboxPicture, ChoicesWithoutACellAreNotFramed) {
    const struct {
        ToolKind left, right;
        int width;
    } cases[] = {
        {static_cast<ToolKind>(900), static_cast<ToolKind>(2600), 5},
        {static_cast<ToolKind>(1050), static_cast<ToolKind>(-100), 0},
    };
    for (const auto& c : cases) {
        ViewImage image;
        RenderToolbox(image, 60, 260, nullptr, 237, {c.left, c.right, c.width});
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x)
                ASSERT_EQ(image.Get(x, y), kSatelliteFace);
    }
}

// A client area smaller than the picture shows its top-left part.
TEST(ToolboxPicture, SmallClientAreaIsClipped) {
    ViewImage whole, part;
    RenderToolbox(whole, 60, 260, nullptr, 237, {ToolKind::NoTool2500, ToolKind::Pen, 4});
    RenderToolbox(part, 30, 190, nullptr, 237, {ToolKind::NoTool2500, ToolKind::Pen, 4});
    ASSERT_EQ(part.width, 30);
    for (int y = 0; y < part.height; ++y)
        for (int x = 0; x < part.width; ++x)
            ASSERT_EQ(part.Get(x, y), whole.Get(x, y));
}

}  // namespace
}  // namespace daub
