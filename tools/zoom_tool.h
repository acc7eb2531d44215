#pragma once

#include "tools/canvas_tool.h"

namespace daub {

// A click zooms in (left) or out (right) around the point clicked.
class ZoomTool final : public CanvasTool {
  public:
    void Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    int PressCursor(bool left) const override;
    int MoveCursor() const override;
};

}  // namespace daub
