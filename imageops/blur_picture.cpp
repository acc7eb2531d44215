#include "imageops/blur_picture.h"

#include "imageops/spray_blur.h"

namespace daub {

void BlurPicture(DocumentState& doc) {
    if (!doc.layerStack) return;
    LayerStack& stack = *doc.layerStack;
    const int width = stack.Width(0), height = stack.Height(0);
    LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kCompositeSlot),
                           stack.Bitmap(LayerStack::kDisplaySlot));
    // Both targets get the same blur of the same source, so one pass writes both.
    const int targets[] = {doc.currentLayer, LayerStack::kDisplaySlot};
    SprayBlurInto(stack, doc.drawColour, LayerStack::kCompositeSlot, width / 2, height / 2, width,
                  height, doc.sprayStrength, targets, 0);
}

}  // namespace daub
