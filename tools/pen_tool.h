#pragma once

#include "document/document_state.h"
#include "tools/canvas_tool.h"

namespace daub {

// The square pen: a penWidth block at the press, then on every drag event a block at the
// pointer and a pen-wide line back to the previous pixel, first into the display slot, then
// into the edited layer, both honouring the mask.
void PenPress(DocumentState& doc, COLORREF colour, int cx, int cy);
void PenDrag(DocumentState& doc, COLORREF colour, int cx, int cy, int previousCx, int previousCy);

class PenTool final : public CanvasTool {
  public:
    void Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    void Drag(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    int PressCursor(bool) const override;
};

}  // namespace daub
