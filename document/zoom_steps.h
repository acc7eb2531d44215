#pragma once

#include "document/document_state.h"

namespace daub {

// The zoom levels, smallest first; 0.1 is the float nearest 0.1.
inline constexpr float kZoomLevels[] = {0.1f, 0.25f, 0.5f, 1.0f, 2.0f, 4.0f, 6.0f, 8.0f};

// The next level up or down; the ends stay where they are.
float ZoomInFrom(float zoom);
float ZoomOutFrom(float zoom);

// The pending operations a zoom step leaves running: the floating range and the curve and
// polyline point editing (10-12, 50-52). Any other is ended.
bool ZoomKeepsPendingOp(int pendingOp);

// What the main window does after a zoom step, besides telling the information window.
struct ZoomStep {
    float oldZoom = 1.0f;
    // End the pending operation as at the start of a command.
    bool endPendingOp = false;
    // The floating range was rescaled: once the view is laid out, copy the composite slot
    // onto the display slot and the range slot onto it at FloatingRangeCanvasRect.
    bool redrawFloatingRange = false;
    // A zoom-out: Redraw, so the grey background shows where the picture no longer is.
    bool eraseBackground = false;
};

// One zoom step on the document; the caller lays the view out (RelayoutForZoom) afterwards.
ZoomStep ZoomIn(DocumentState& doc);
ZoomStep ZoomOut(DocumentState& doc);

// Brings a floating range to the current zoom: moved to the view's top-left corner, its
// view size that of the range slot at this zoom, previousZoom := zoom.
void RescaleFloatingRange(DocumentState& doc);

// The canvas rectangle the floating range covers at the current zoom and scroll, no larger
// than the range slot, and all of it when the view size is the slot's at this zoom; empty
// when the zoom maps nothing.
Rect FloatingRangeCanvasRect(const DocumentState& doc);

}  // namespace daub
