#pragma once

#include "document/tool_kind.h"
#include "toolwindows/satellite_dialog.h"

namespace daub {

// The toolbox "ツール": the tools of the two mouse buttons and the pen width.
class ToolboxWindow : public SatelliteDialog {
  public:
    static constexpr int kTemplate = 116;

    explicit ToolboxWindow(Platform& platform);

    ToolKind leftTool = ToolKind::Pen;
    ToolKind rightTool = ToolKind::ColourPicker;
    int bitmapHeight = 237;
    int penWidth = 1;
    int widthPanelX = 3;
    int widthPanelY = 203;
    int widthCellSize = 16;
};

}  // namespace daub
