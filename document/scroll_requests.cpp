#include "document/scroll_requests.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace daub {

ScrollOutcome ScrollView(DocumentState& doc, ScrollAxis axis, int request, int thumbPos,
                         const ScrollBarState& bar, int clientWidth, int clientHeight) {
    using std::int64_t;
    const bool horizontal = axis == ScrollAxis::Horizontal;
    const int zoomed = horizontal ? doc.zoomedWidth : doc.zoomedHeight;
    const int client = horizontal ? clientWidth : clientHeight;

    const int64_t step = std::max(1, TruncSaturated(doc.zoom));
    // The far end, rounded up to a whole step past the range's maximum.
    const int64_t end = step * ((static_cast<int64_t>(bar.max) + step) / step);

    int64_t pos = bar.pos;
    switch (request) {
        case scroll_request::kLineUp:
            pos -= step;
            break;
        case scroll_request::kLineDown:
            pos += step;
            break;
        case scroll_request::kPageUp:
            pos -= 4 * step;
            break;
        case scroll_request::kPageDown:
            pos += 4 * step;
            break;
        case scroll_request::kThumbPosition:
        case scroll_request::kThumbTrack: {
            // Compared as the platform's unsigned page makes it: a wrapped sum counts as past.
            const std::uint32_t reach =
                static_cast<std::uint32_t>(thumbPos) + static_cast<std::uint32_t>(bar.page);
            pos = reach > static_cast<std::uint32_t>(end) ? end : thumbPos;
            break;
        }
        case scroll_request::kTop:
            pos = bar.min;
            break;
        case scroll_request::kBottom:
            pos = end;
            break;
        default:
            break;
    }
    const int64_t limit = static_cast<int64_t>(zoomed) - client + 7;
    pos = std::max<int64_t>(bar.min, std::min(pos, limit));

    ScrollOutcome out;
    out.bar = bar;
    out.bar.pos = static_cast<int>(std::min<int64_t>(pos, INT_MAX));
    if (client < zoomed) {
        (horizontal ? doc.scrollX : doc.scrollY) = out.bar.pos;
        out.scrolled = true;
    }
    if (pos == limit) {
        out.band = horizontal ? GreyBand{{clientWidth - 2, 0}, {clientWidth - 2, clientHeight}}
                              : GreyBand{{0, clientHeight - 2}, {clientWidth, clientHeight - 2}};
    }
    return out;
}

}  // namespace daub
