#pragma once

#include "tools/canvas_tool.h"

namespace daub {

// A penWidth square of transparentColour. On the bottom layer the display shows the key
// colour too; on an upper layer it shows the other layers at the erased spot, composited
// once at the press into the composite slot.
class EraserTool final : public CanvasTool {
  public:
    void Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    void Drag(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
};

}  // namespace daub
