#pragma once

#include "document/document_state.h"
#include "imageops/curve_drawing.h"
#include "tools/canvas_tool.h"

namespace daub {

enum class CurveShape { Curve, Polyline };

// The curve and the polyline: left presses place points (or take one near the pointer to
// drag it), Backspace and Delete take back the last one, and the right button draws the
// shape into the edited layer. Until then the display shows a preview over the picture saved
// in the composite slot. The points are the tool's; their count is the layer stack's, so
// ending the pending operation drops them.
class CurveCanvasTool final : public CanvasTool {
  public:
    explicit CurveCanvasTool(CurveShape shape);

    void Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    void Drag(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    void Release(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    bool Key(DocumentState& doc, ToolHost& host, int key) override;
    bool TakesRightButton(const DocumentState& doc) const override;

    const CurvePoints& Points() const { return points_; }

  private:
    void LeftPress(DocumentState& doc, ToolHost& host, Point view);
    void RightPress(DocumentState& doc, ToolHost& host);
    void MoveDragged(DocumentState& doc, Point view);
    void Draw(DocumentState& doc, ToolHost& host, CurveMode mode) const;

    CurveShape shape_;
    // The pendingOp values of this tool: points placed, a point dragged, the shape drawn.
    pending::PendingOp placing_, dragging_, drawn_;
    CurvePoints points_;
    int dragPoint_ = 0;
};

}  // namespace daub
