#include "toolwindows/toolbox_picture.h"

#include <array>

#include "toolwindows/satellite_picture.h"

namespace daub {
namespace {

constexpr int kButtonSize = 25;
constexpr int kButtonColumns = 2;
constexpr int kButtonRows = 8;
constexpr int kFirstTool = static_cast<int>(ToolKind::Mask);
constexpr int kLastTool = static_cast<int>(ToolKind::NoTool2500);

constexpr int kPanelX = 3;
constexpr int kPanelY = 203;
constexpr int kWidthCell = 16;
constexpr int kWidthColumns = 3;
// The panel's hit area reaches two pixels short of three cell rows.
constexpr int kPanelHitBottom = kPanelY + 3 * kWidthCell - 2;
constexpr std::array<int, 6> kCellWidths = {3, 2, 1, 12, 6, 4};

struct WidthFrame {
    int width;
    PixelRect rect;
};
// The frame of width 4 is narrower than the others and sits two pixels further left.
constexpr std::array<WidthFrame, 6> kWidthFrames = {{
    {3, {5, 204, 20, 219}},
    {2, {20, 204, 35, 219}},
    {1, {35, 204, 50, 219}},
    {12, {5, 219, 20, 234}},
    {6, {20, 219, 35, 234}},
    {4, {33, 219, 47, 234}},
}};

void FrameTool(ViewImage& image, ToolKind tool, COLORREF colour) {
    const int value = static_cast<int>(tool);
    if (value < kFirstTool || value > kLastTool || (value - kFirstTool) % 100 != 0) return;
    const int k = (value - kFirstTool) / 100;
    const int column = k % kButtonColumns;
    const int row = k / kButtonColumns;
    DrawWideFrame(image, kButtonSize * column + 4, kButtonSize * row + 2, kButtonSize * column + 23,
                  kButtonSize * row + 22, colour);
}

}  // namespace

ToolboxHit HitToolbox(int x, int y) {
    ToolboxHit hit;
    const int bx = x - kToolboxBitmapX;
    if (bx >= 0 && bx < kButtonColumns * kButtonSize && y >= 0 && y < kButtonRows * kButtonSize) {
        const int column = bx / kButtonSize;
        const int row = y / kButtonSize;
        hit.tool = static_cast<ToolKind>(kFirstTool + 200 * row + 100 * column);
    }
    if (y >= kPanelY && y < kPanelHitBottom) {
        // Truncated toward zero: the pixel left of the bitmap still counts as column 0. Right
        // of the third column the panel has ended; the cell index must not run on into the
        // next row, where a click beside the top row would pick a width of the bottom one.
        const int column = (bx - kPanelX) / kWidthCell;
        const int k = column + ((y - kPanelY) / kWidthCell) * kWidthColumns;
        if (column >= 0 && column < kWidthColumns && k < static_cast<int>(kCellWidths.size()))
            hit.penWidth = kCellWidths[k];
    }
    return hit;
}

void RenderToolbox(ViewImage& image, int clientWidth, int clientHeight, const PixelImage* bitmap,
                   int bitmapHeight, const ToolboxChoices& choices) {
    StartSatellitePicture(image, clientWidth, clientHeight);
    if (bitmap) CopyPixels(image, kToolboxBitmapX, 0, *bitmap, kToolboxBitmapWidth, bitmapHeight);
    FrameTool(image, choices.leftTool, kLeftToolFrame);
    FrameTool(image, choices.rightTool,
              choices.rightTool == choices.leftTool ? kSharedToolFrame : kRightToolFrame);
    for (const WidthFrame& frame : kWidthFrames) {
        if (frame.width != choices.penWidth) continue;
        DrawWideFrame(image, frame.rect.left, frame.rect.top, frame.rect.right, frame.rect.bottom,
                      kPenWidthFrame);
    }
}

}  // namespace daub
