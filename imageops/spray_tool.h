#pragma once

#include "document/document_state.h"
#include "document/tool_kind.h"
#include "imageops/noise_generator.h"
#include "tools/canvas_tool.h"

namespace daub {

// The spray at view position (x, y): a spraySize square of the kind sprayKind (0 blur,
// 1 alpha blend, 2 noise) with sprayStrength, in the button's colour, into the current layer
// and the display. Blur and blend read the picture saved into the composite slot at the
// press, so passing twice over a spot during one stroke does not compound; noise draws from
// the window's generator and puts the same noise into the layer and the display. Refusals
// and the return value are those of BrushTool.
bool SprayTool(DocumentState& doc, NoiseGenerator& noise, int x, int y, ToolPhase phase);

// The spray as a toolbox tool. The noise spray's numbers are one sequence for the whole run.
class SprayCanvasTool final : public CanvasTool {
  public:
    void Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;
    void Drag(DocumentState& doc, ToolHost& host, const ToolEvent& event) override;

  private:
    NoiseGenerator noise_;
};

}  // namespace daub
