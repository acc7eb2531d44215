#pragma once

#include <cstddef>

#include "document/colour.h"
#include "document/document_state.h"
#include "document/view_image.h"

namespace daub {

// A 1-pixel dotted pen as the window's device context draws it: runs of three pixels in the
// pen colour alternate with runs of three in the gap colour. The default device context has
// an opaque background mode with a white background colour, so the gaps are white.
struct DottedPen {
    COLORREF colour = 0x000000;
    COLORREF gap = 0xFFFFFF;
};
inline constexpr int kDotRun = 3;

// Draws the lines from each point to the next, horizontal and vertical ones only (others are
// passed over), leaving out the last point as LineTo does. The dot pattern runs on from one
// line into the next and starts afresh with each call. Parts outside the image are clipped
// without moving the pattern.
void DrawDottedPolyline(ViewImage& image, const Point* points, std::size_t count,
                        const DottedPen& pen);

}  // namespace daub
