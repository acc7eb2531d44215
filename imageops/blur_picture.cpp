#include "imageops/blur_picture.h"

#include "imageops/spray_blur.h"

namespace daub {

void BlurPicture(DocumentState& doc) {
    if (!doc.layerStack) return;
    // Both targets get the same blur of the same source, so one pass writes both.
    const int targets[] = {doc.currentLayer, LayerStack::kDisplaySlot};
    BlurWholeSaving(*doc.layerStack, doc.drawColour, LayerStack::kDisplaySlot,
                    LayerStack::kCompositeSlot, doc.sprayStrength, targets, 0);
}

}  // namespace daub
