#include "tools/pen_tool.h"

#include "tools/draw_line.h"
#include "tools/stamp_block.h"

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

}  // namespace daub
