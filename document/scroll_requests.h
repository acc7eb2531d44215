#pragma once

#include <optional>

#include "document/colour.h"
#include "document/document_state.h"
#include "document/view_layout.h"

namespace daub {

// The requests of WM_HSCROLL and WM_VSCROLL, with their Win32 numbers.
namespace scroll_request {
inline constexpr int kLineUp = 0;
inline constexpr int kLineDown = 1;
inline constexpr int kPageUp = 2;
inline constexpr int kPageDown = 3;
inline constexpr int kThumbPosition = 4;
inline constexpr int kThumbTrack = 5;
inline constexpr int kTop = 6;
inline constexpr int kBottom = 7;
}  // namespace scroll_request

enum class ScrollAxis { Horizontal, Vertical };

// A solid line in client coordinates that covers what the last stretch left at the far
// edge once a bar reaches its limit.
struct GreyBand {
    Point from;
    Point to;
    int width = 8;
    COLORREF colour = 0x969696;

    bool operator==(const GreyBand& o) const {
        return from.x == o.from.x && from.y == o.from.y && to.x == o.to.x && to.y == o.to.y &&
               width == o.width && colour == o.colour;
    }
};

struct ScrollOutcome {
    // The bar with its new position, to be set (redrawing) before the default handling.
    ScrollBarState bar;
    // The view's scroll on this axis took the new position (only when the picture is wider,
    // or taller, than the client area).
    bool scrolled = false;
    // Draw this before RepaintWithRange.
    std::optional<GreyBand> band;
};

// One scroll request on the bar of the given axis. Lines move by the zoom's whole part (at
// least 1), pages by four lines; the position stays within the bar's minimum and 7 pixels
// past the picture's far edge. thumbPos is the request's thumb position (unused otherwise).
ScrollOutcome ScrollView(DocumentState& doc, ScrollAxis axis, int request, int thumbPos,
                         const ScrollBarState& bar, int clientWidth, int clientHeight);

}  // namespace daub
