#include "toolwindows/layer_list.h"

#include <algorithm>

namespace daub {

std::optional<int> RowAt(const LayerList& list, const LayerListGeometry& geometry, int y) {
    const int height = std::max(geometry.rowHeight, 1);
    const int row = (y + geometry.verticalOffset - geometry.listTop) / height;
    // The top pixel row of the window gives -1: no row, not one before the first.
    if (row < 0 || row > list.lastRow || row >= LayerList::kMaxRows) return std::nullopt;
    return row;
}

ListCell CellAt(const LayerListGeometry& geometry, int x) {
    const int listX = x + geometry.horizontalOffset;
    if (listX > 0 && listX < geometry.nameLeft) return ListCell::kVisibility;
    if (listX >= geometry.nameLeft && listX < geometry.windowWidth) return ListCell::kName;
    return ListCell::kNone;
}

void MirrorDocument(LayerList& list, const DocumentState& doc) {
    const int layers = doc.HasDocument() ? doc.lastLayer - LayerStack::kFirstLayer + 1 : 0;
    list.lastRow = std::clamp(layers, 0, LayerList::kMaxRows) - 1;
    list.selectedRow = std::max(doc.currentLayer - LayerStack::kFirstLayer, 0);
    for (int row = 0; row <= list.lastRow; ++row)
        list.marks[row] = doc.layerStack->visible[LayerStack::kFirstLayer + row];
}

}  // namespace daub
