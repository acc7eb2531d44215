#include "tools/pen_tool.h"

#include "tools/draw_line.h"
#include "tools/stamp_block.h"
#include "tools/tool_cursors.h"

namespace daub {

void PenPress(DocumentState& doc, COLORREF colour, int cx, int cy) {
    LayerStack& stack = *doc.layerStack;
    const int w = doc.penWidth;
    for (int slot : {static_cast<int>(LayerStack::kDisplaySlot), doc.currentLayer})
        StampBlock(stack, colour, slot, cx, cy, w, w, -1, 0);
}

void PenDrag(DocumentState& doc, COLORREF colour, int cx, int cy, int previousCx, int previousCy) {
    LayerStack& stack = *doc.layerStack;
    const int w = doc.penWidth;
    for (int slot : {static_cast<int>(LayerStack::kDisplaySlot), doc.currentLayer}) {
        StampBlock(stack, colour, slot, cx, cy, w, w, -1, 0);
        DrawLine(stack, colour, cx, cy, previousCx, previousCy, w, w, slot, -1);
    }
}

void PenTool::Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    doc.pressPoint = doc.lastPoint = event.view;
    PenPress(doc, ButtonColour(doc, event), event.canvas.x, event.canvas.y);
    host.Repaint();
}

void PenTool::Drag(DocumentState& doc, ToolHost&, const ToolEvent& event) {
    PenDrag(doc, ButtonColour(doc, event), event.canvas.x, event.canvas.y, event.previous.x,
            event.previous.y);
}

int PenTool::PressCursor(bool) const {
    return cursor::kPen;
}

}  // namespace daub
