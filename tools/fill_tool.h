#pragma once

#include "tools/canvas_tool.h"

namespace daub {

// Flood fill in the button's colour. The region is the one of equal colour in the picture
// as shown; the mask limits where the fill lands in the display and in the edited layer.
class FillTool final : public CanvasTool {
  public:
    void Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    int PressCursor(bool left) const override;
    int MoveCursor() const override;
};

}  // namespace daub
