#pragma once

#include "document/colour.h"
#include "document/layer_stack.h"

namespace daub {

// The centre argument that stands for the middle of the slot (width / 2, height / 2).
inline constexpr int kSlotMiddle = -1;

// Stretches and rotates the slot in place: the picture is turned by angleDegrees about the
// centre (clockwise on screen for a positive angle), then scaled by scaleX and scaleY; pixels
// that receive nothing become fillColour. A scale of 0 counts as 0.01. With smooth, a stretch
// averages five neighbours and a rotation three samples at ±0.1°, and pixels whose samples
// are not all inside the picture become fillColour too. 100 %, 100 % and 0° change nothing;
// so does a slot without pixels of the entry's geometry. False only when the working copy of
// the slot cannot be had (the slot is then unchanged).
bool TransformSlot(LayerStack& stack, COLORREF fillColour, int slot, double angleDegrees,
                   double scaleX, double scaleY, int centreX, int centreY, int smooth,
                   int formatEntry);

}  // namespace daub
