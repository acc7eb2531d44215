#pragma once

#include "document/geometry.h"
#include "document/pending_operation.h"

namespace daub {

// The operation in progress and the range it works on, in view coordinates.
struct RangeState {
    pending::PendingOp pendingOp = pending::kNone;
    Rect selection;
    Point rangeEndPoint;
    Point grabOffset;
    // The zoom the range slot was taken at.
    float previousZoom = 1.0f;
};

}  // namespace daub
