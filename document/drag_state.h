#pragma once

#include "document/geometry.h"

namespace daub {

// The mouse on the canvas between a press and its release. Only the mouse dispatch writes
// it; the tools read it (a press is refused while the other button drags) and the view
// draws the rubber band of a range being dragged out from pressPoint to lastPoint.
struct DragState {
    int leftDragging = 0;
    int rightDragging = 0;
    Point pressPoint;
    Point lastPoint;
};

}  // namespace daub
