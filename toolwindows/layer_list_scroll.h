#pragma once

namespace daub {

// The layer list's vertical scroll bar, in positions of kListScrollUnit pixels: two to a row.
struct ListScroll {
    int min = 0;
    int max = 2;
    int page = 1;
    int pos = 0;

    bool operator==(const ListScroll&) const = default;
};

inline constexpr int kListScrollUnit = 10;

// The bar after the window took a client area of this height: back at the top, a range that
// reaches past the last row. It is worked out only then, so rows added later are reached
// once the window is next resized.
ListScroll ResetListScroll(int lastRow, int clientHeight);

// The bar after a WM_VSCROLL request (scroll_request::) with its thumb position. The position
// stops half a page before the end, and never goes below the minimum.
ListScroll ScrollList(const ListScroll& bar, int request, int thumb);

}  // namespace daub
