#pragma once

#include <optional>

#include "document/tool_kind.h"
#include "document/view_image.h"
#include "platform/device_context.h"

namespace daub {

// The toolbox bitmap is drawn one pixel right of the client origin; clicks are taken
// relative to it, the frames are drawn in client coordinates.
inline constexpr int kToolboxBitmapX = 1;
inline constexpr int kToolboxBitmapWidth = 50;

inline constexpr COLORREF kLeftToolFrame = 0xFF0000;    // blue
inline constexpr COLORREF kRightToolFrame = 0x0000FF;   // red
inline constexpr COLORREF kSharedToolFrame = 0xFF00FF;  // magenta: both buttons, one tool
inline constexpr COLORREF kPenWidthFrame = 0x00FFFF;    // yellow

// What a click at a client point chooses: a tool button, a pen width, or neither.
struct ToolboxHit {
    std::optional<ToolKind> tool;
    std::optional<int> penWidth;
};

ToolboxHit HitToolbox(int x, int y);

struct ToolboxChoices {
    ToolKind leftTool = ToolKind::Pen;
    ToolKind rightTool = ToolKind::ColourPicker;
    int penWidth = 1;
};

// The whole client area: the bitmap (bitmapHeight rows of it, when it has them), the frames
// of the two tools and the pen width. A tool or width that has no cell is not framed.
void RenderToolbox(ViewImage& image, int clientWidth, int clientHeight, const PixelImage* bitmap,
                   int bitmapHeight, const ToolboxChoices& choices);

}  // namespace daub
