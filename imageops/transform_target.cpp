#include "imageops/transform_target.h"

#include "document/composite.h"
#include "tools/floating_range.h"

namespace daub {

bool TransformRange(DocumentState& doc, const SlotChange& change) {
    LayerStack& stack = *doc.layerStack;
    if (!change(stack, LayerStack::kRangeSlot, 4)) return false;
    // Moving a floating range shows the composite slot around it, which for a range that was
    // only fixed may still hold an older picture.
    if (doc.pendingOp == pending::kRangeSelected)
        Composite(stack, doc.transparentColour, doc.lastLayer, kFromFirstLayer,
                  LayerStack::kCompositeSlot, 0);
    doc.pendingOp = pending::kRangeFloating;
    // Laid over the clean picture, not over the range as it was: where the new range is
    // see-through the old one would stay in the display, which is what a save writes.
    RedrawFloatingRange(doc);
    return true;
}

bool TransformLayer(DocumentState& doc, const SlotChange& change) {
    LayerStack& stack = *doc.layerStack;
    if (!change(stack, doc.currentLayer, 0)) return false;
    Composite(stack, doc.transparentColour, doc.lastLayer, kFromFirstLayer,
              LayerStack::kDisplaySlot, 0);
    return true;
}

}  // namespace daub
