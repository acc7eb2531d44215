#pragma once

#include "document/document_state.h"
#include "document/tool_kind.h"
#include "tools/canvas_tool.h"

namespace daub {

// The soft brush at view position (x, y): one dab of the button's colour (drawColour for the
// left button, secondColour for the right) per press or drag event, read from the display
// and written into the current layer and the display, honouring the mask. A press is refused
// while the other button drags or beyond the zoomed picture; with NoTool2500 as the right
// tool the left button paints nothing. Returns true when the caller should repaint now (the
// presses); drags are repainted by the caller after the drag, and releases do nothing.
bool BrushTool(DocumentState& doc, int x, int y, ToolPhase phase);

// What a mouse event does to a brush or spray stroke, after the refusals the two share.
enum class StrokeStep {
    Nothing,      // refused, a release, or no document
    RepaintOnly,  // a left press while the right tool is NoTool2500
    Press,        // paint, then repaint
    Drag,         // paint; the caller repaints after the drag
};
StrokeStep ClassifyStrokeEvent(const DocumentState& doc, int x, int y, ToolPhase phase);

// The colour of the button the phase belongs to.
COLORREF StrokeColour(const DocumentState& doc, ToolPhase phase);

class BrushStrokeTool final : public CanvasTool {
  public:
    void Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    void Drag(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
};

}  // namespace daub
