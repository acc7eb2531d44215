#pragma once

#include "document/document_state.h"
#include "document/tool_kind.h"
#include "tools/canvas_tool.h"
#include "tools/tool_host.h"

namespace daub {

enum class ShapeKind { Line, Rectangle, Ellipse };

// The rubber-band shapes, penWidth square, in drawColour (left phases) or secondColour
// (right phases). The press saves the display into the composite slot; every drag restores
// it and draws the preview into the display only; the release takes a forced snapshot and
// draws the shape into the display and the edited layer. Positions are view coordinates.
void ShapeTool(DocumentState& doc, ToolHost& host, ShapeKind shape, Point view, ToolPhase phase);

// The pendingOp a shape keeps from its press to its release.
pending::PendingOp ShapePendingOp(ShapeKind shape);

class ShapeCanvasTool final : public CanvasTool {
  public:
    explicit ShapeCanvasTool(ShapeKind shape) : shape_(shape) {}
    void Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    void Drag(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    void Release(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;

  private:
    ShapeKind shape_;
};

}  // namespace daub
