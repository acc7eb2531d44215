#include "toolwindows/layer_list_scroll.h"

#include <algorithm>

#include "document/scroll_requests.h"

namespace daub {

// A window under 30 pixels would have a negative page, which the bar cannot hold.
ListScroll ResetListScroll(int lastRow, int clientHeight) {
    ListScroll bar;
    bar.max = std::max(2 * lastRow + 2, 0);
    bar.page = std::max(std::max(clientHeight / kListScrollUnit, 1) - 2, 0);
    bar.pos = 0;
    return bar;
}

namespace {

int RequestedPosition(const ListScroll& bar, int request, int thumb) {
    namespace sr = scroll_request;
    switch (request) {
        case sr::kLineUp:
        case sr::kPageUp:
            return bar.pos - 1;
        case sr::kLineDown:
        case sr::kPageDown:
            return bar.pos + 1;
        case sr::kThumbPosition:
        case sr::kThumbTrack:
            return bar.page + thumb > bar.max ? bar.max : thumb;
        case sr::kTop:
            return bar.min;
        case sr::kBottom:
            return bar.max;
        default:
            return bar.pos;
    }
}

}  // namespace

ListScroll ScrollList(const ListScroll& bar, int request, int thumb) {
    ListScroll next = bar;
    next.pos = std::min(RequestedPosition(bar, request, thumb), bar.max - bar.page / 2);
    next.pos = std::max(next.pos, bar.min);
    return next;
}

}  // namespace daub
