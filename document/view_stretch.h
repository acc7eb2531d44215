#pragma once

#include "document/document_state.h"
#include "document/slot_view.h"
#include "document/view_image.h"

namespace daub {

// Stretches the source rectangle of the slot onto the destination rectangle of the image,
// as a blit with the default stretch mode does: enlarging repeats pixels, so each source
// pixel becomes a block; shrinking combines the colours of all source pixels that fall on one
// destination pixel by bitwise AND, so thin dark lines survive. Source pixels outside the
// slot contribute nothing; destination pixels that no source pixel inside the slot reaches,
// and all outside the image, are left as they are. Nothing happens for an empty rectangle.
void StretchInto(ViewImage& image, const Rect& destination, const ConstSlotView& source,
                 const Rect& sourceRect);

// StretchInto that tells which part of the image it wrote: every pixel of the returned
// rectangle, and none outside it (an empty rectangle when nothing was written).
Rect StretchCovering(ViewImage& image, const Rect& destination, const ConstSlotView& source,
                     const Rect& sourceRect);

}  // namespace daub
