#pragma once

#include "document/document_state.h"
#include "document/tool_kind.h"
#include "tools/canvas_tool.h"
#include "tools/tool_host.h"

namespace daub {

// The range selection tool, left button only, at a view position:
// - press inside a fixed range lifts it (snapshot, a hole of transparentColour in the edited
//   layer, the other layers composited into the composite slot) and grabs it; inside a
//   floating range it grabs it again; anywhere else it ends what is pending and starts a new
//   range at the pointer;
// - drag of a floating range moves it over the clean picture (the rubber band of a range
//   being dragged out is drawn by the view from pressPoint and lastPoint);
// - release of a range being dragged out fixes it at lastPoint and copies the edited layer's
//   pixels under it into the range slot.
void RangeSelect(DocumentState& doc, ToolHost& host, Point view, ToolPhase phase);

// The range tool works with the left button only.
class RangeTool final : public CanvasTool {
  public:
    void Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    void Drag(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    void Release(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    int PressCursor(bool left) const override;
    int MoveCursor() const override;
};

}  // namespace daub
