#include "tools/fill_tool.h"

#include "tools/flood_fill.h"
#include "tools/slot_copy.h"
#include "tools/tool_cursors.h"

namespace daub {

void FillTool::Press(DocumentState& doc, ToolHost& host, const ToolEvent& event) {
    LayerStack& stack = *doc.layerStack;
    LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kCompositeSlot),
                           stack.Bitmap(LayerStack::kDisplaySlot));
    LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kScratchSlot), stack.Bitmap(doc.currentLayer));
    FloodFill(stack, ButtonColour(doc, event), event.canvas.x, event.canvas.y,
              LayerStack::kScratchSlot, LayerStack::kCompositeSlot);
    CopySlotMasked(stack, LayerStack::kDisplaySlot, LayerStack::kCompositeSlot, 0);
    CopySlotMasked(stack, doc.currentLayer, LayerStack::kScratchSlot, 0);
    host.Repaint();
}

int FillTool::PressCursor(bool left) const {
    return left ? 0 : cursor::kBucket;
}

int FillTool::MoveCursor() const {
    return cursor::kBucket;
}

}  // namespace daub
