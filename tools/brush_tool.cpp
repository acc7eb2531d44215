#include "tools/brush_tool.h"

#include "document/view_layout.h"
#include "tools/brush_dab.h"
#include "tools/tool_host.h"

namespace daub {

StrokeStep ClassifyStrokeEvent(const DocumentState& doc, int x, int y, ToolPhase phase) {
    if (!doc.layerStack) return StrokeStep::Nothing;
    const bool beyond = x > doc.zoomedWidth || y > doc.zoomedHeight;
    switch (phase) {
        case ToolPhase::LeftPress:
            if (doc.rightDragging || beyond) return StrokeStep::Nothing;
            return doc.rightTool == ToolKind::NoTool2500 ? StrokeStep::RepaintOnly
                                                         : StrokeStep::Press;
        case ToolPhase::RightPress:
            return doc.leftDragging || beyond ? StrokeStep::Nothing : StrokeStep::Press;
        case ToolPhase::LeftDrag:
            return doc.leftDragging == 1 && doc.rightTool != ToolKind::NoTool2500
                       ? StrokeStep::Drag
                       : StrokeStep::Nothing;
        case ToolPhase::RightDrag:
            return doc.rightDragging == 1 ? StrokeStep::Drag : StrokeStep::Nothing;
        default:
            return StrokeStep::Nothing;
    }
}

COLORREF StrokeColour(const DocumentState& doc, ToolPhase phase) {
    const bool right = phase == ToolPhase::RightPress || phase == ToolPhase::RightDrag ||
                       phase == ToolPhase::RightRelease;
    return right ? doc.secondColour : doc.drawColour;
}

bool BrushTool(DocumentState& doc, int x, int y, ToolPhase phase) {
    const StrokeStep step = ClassifyStrokeEvent(doc, x, y, phase);
    if (step == StrokeStep::Nothing) return false;
    if (step == StrokeStep::RepaintOnly) return true;
    LayerStack& stack = *doc.layerStack;
    const Point c = ToolCanvasPoint(doc, {x, y});
    const int size = doc.brushKernelSize;
    // The layer first: both dabs read the display as it was before this event.
    for (int target : {doc.currentLayer, static_cast<int>(LayerStack::kDisplaySlot)})
        ApplyBrushDab(stack, StrokeColour(doc, phase), LayerStack::kDisplaySlot, c.x, c.y, size,
                      size, target, 0);
    return step == StrokeStep::Press;
}

void BrushStrokeTool::Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    if (BrushTool(doc, event.view.x, event.view.y, event.phase)) host.Repaint();
}

void BrushStrokeTool::Drag(DocumentState& doc, ToolHost&, const ToolEvent& event) {
    BrushTool(doc, event.view.x, event.view.y, event.phase);
}

}  // namespace daub
