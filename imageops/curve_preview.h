#pragma once

#include "document/colour.h"
#include "document/geometry.h"
#include "document/slot_view.h"

namespace daub {

// The preview of a curve is drawn as a window shows it, into the display slot only and
// regardless of the mask.

// Fills the columns left … right - 1 of the rows top … bottom - 1, as far as they lie in the
// slot (nothing when right <= left or bottom <= top).
void FillMarker(const SlotView& slot, COLORREF colour, int left, int top, int right, int bottom);

// A line one pixel wide from a towards b, b itself left out, so that a chain of them draws
// every joint once. Only the steps over the slot are taken: far-off points cost nothing.
void PreviewLine(const SlotView& slot, COLORREF colour, Point a, Point b);

}  // namespace daub
