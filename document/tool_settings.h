#pragma once

#include "document/colour.h"
#include "document/tool_kind.h"

namespace daub {

struct CurveSettings {
    int values[4] = {10, 10, 0, 0};
    double reals[2] = {0.0, 0.0};
    int last = 2;
};

// What the toolbox, the colour box and the settings dialogs chose.
struct ToolSettings {
    ToolKind leftTool = ToolKind::Pen;
    ToolKind rightTool = ToolKind::ColourPicker;
    ToolKind previousTool = ToolKind::Pen;
    int penWidth = 1;
    COLORREF drawColour = 0x000000;
    COLORREF secondColour = 0xFFFFFF;
    COLORREF maskColour = 0;
    int brushKernelSize = 65;
    int sprayKind = 0;
    int spraySize = 4;
    int sprayStrength = 4;
    CurveSettings curveSettings;
};

}  // namespace daub
