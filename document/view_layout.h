#pragma once

#include <optional>

#include "document/document_state.h"

namespace daub {

// One scroll bar as the view arithmetic sees it; the main window turns it into the
// platform's record (range, page and position, disabled rather than hidden when there is
// nothing to scroll).
struct ScrollBarState {
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;

    bool operator==(const ScrollBarState&) const = default;
};

struct ViewScrollBars {
    ScrollBarState horizontal;
    ScrollBarState vertical;

    bool operator==(const ViewScrollBars&) const = default;
};

// The canvas pixel under a view position (the client position less the 2-pixel margin).
// Every tool's hit test relies on its quarter-pixel offset and on truncation toward zero,
// also left of and above the canvas.
Point ViewToCanvas(const DocumentState& doc, int vx, int vy);

// The size of a drag from pressPoint to view position (vx, vy) in canvas pixels, as the
// information window shows it: the same quarter correction, both ends in view coordinates,
// so scrolling does not change it. Truncated toward zero, negative when dragged up or left.
Point DragExtent(const DocumentState& doc, int vx, int vy);

// Canvas size (format entry 0); 0 x 0 without a layer stack.
int CanvasWidth(const DocumentState& doc);
int CanvasHeight(const DocumentState& doc);

// Where the zoom keys anchor a step: the middle of the picture or of the client area,
// whichever is nearer the top-left, from the zoomed size before the step.
Point ZoomKeyAnchor(const DocumentState& doc, int clientWidth, int clientHeight);

// Lays the view out for the current zoom: sets zoomedWidth/Height and scrollX/Y and returns
// both scroll bars, to be applied vertical first. A non-zero anchor keeps the canvas point
// that was under it (at oldZoom) under it as far as the range allows; (0, 0) returns to the
// canvas origin, except while a zoom step is being laid out (zoomAnchored), when nothing
// changes and nullopt is returned: that is the resize a scroll bar change may cause.
std::optional<ViewScrollBars> Relayout(DocumentState& doc, int ax, int ay, float oldZoom,
                                       int clientWidth, int clientHeight);

// The layout a zoom step asks for. Unlike Relayout it always lays out, so a step anchored at
// (0, 0) (a tiny picture, or the zoom tool at the very corner) still gets the new zoomed
// size; that anchor keeps the top-left canvas point in place.
ViewScrollBars RelayoutForZoom(DocumentState& doc, int ax, int ay, float oldZoom, int clientWidth,
                               int clientHeight);

// The layout of a zoom step at the mouse pointer: the canvas pixel shown under view position
// (ax, ay) before the step is shown there after it, as far as the scroll range allows. The
// view shows whole canvas pixels from the scroll position on, which the anchor of the zoom
// keys does not account for.
ViewScrollBars RelayoutAtShownPixel(DocumentState& doc, int ax, int ay, float oldZoom,
                                    int clientWidth, int clientHeight);

// Where the layer image window draws a bitmap of bw x bh in its client area: shrunk to fit
// keeping its proportions, never enlarged, centred. nullopt when the bitmap is empty.
std::optional<Rect> LayerImagePlacement(int bitmapWidth, int bitmapHeight, int clientWidth,
                                        int clientHeight);

// Float to int truncating toward zero as a cast does, but saturating instead of overflowing
// (and 0 for NaN), so a degenerate zoom cannot make the conversion undefined.
int TruncSaturated(double value);

}  // namespace daub
