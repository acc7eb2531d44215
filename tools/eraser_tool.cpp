#include "tools/eraser_tool.h"

#include <utility>

#include "document/composite.h"
#include "tools/draw_line.h"
#include "tools/slot_fill.h"
#include "tools/stamp_block.h"

namespace daub {
namespace {

bool OnBottomLayer(const DocumentState& doc) {
    return doc.currentLayer == LayerStack::kFirstLayer;
}

// The picture of every visible layer but the edited one, into the composite slot.
void CompositeOthers(DocumentState& doc) {
    LayerStack& stack = *doc.layerStack;
    const COLORREF clear = doc.transparentColour;
    FillSlot(stack, clear, LayerStack::kCompositeSlot, 0);
    // A layer the user hid stays hidden afterwards.
    int& shown = stack.visible[doc.currentLayer];
    const int wasShown = shown;
    shown = 0;
    Composite(stack, clear, doc.lastLayer, kFromFirstLayer, LayerStack::kCompositeSlot, 0);
    shown = wasShown;
}

}  // namespace

void EraserTool::Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    LayerStack& stack = *doc.layerStack;
    const int w = doc.penWidth;
    const COLORREF clear = doc.transparentColour;
    const Point c = event.canvas;
    doc.pressPoint = doc.lastPoint = event.view;
    int beneath = -1;
    if (!OnBottomLayer(doc)) {
        CompositeOthers(doc);
        beneath = LayerStack::kCompositeSlot;
    }
    StampBlock(stack, clear, LayerStack::kDisplaySlot, c.x, c.y, w, w, beneath, 0);
    StampBlock(stack, clear, doc.currentLayer, c.x, c.y, w, w, -1, 0);
    host.Repaint();
}

void EraserTool::Drag(DocumentState& doc, ToolHost&, const ToolEvent& event) {
    LayerStack& stack = *doc.layerStack;
    const int w = doc.penWidth;
    const COLORREF clear = doc.transparentColour;
    const Point c = event.canvas, p = event.previous;
    const int beneath = OnBottomLayer(doc) ? -1 : LayerStack::kCompositeSlot;
    for (const auto& [slot, source] :
         {std::pair{LayerStack::kDisplaySlot, beneath}, std::pair{doc.currentLayer, -1}}) {
        StampBlock(stack, clear, slot, c.x, c.y, w, w, source, 0);
        DrawLine(stack, clear, c.x, c.y, p.x, p.y, w, w, slot, source);
    }
}

}  // namespace daub
