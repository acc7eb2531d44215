#include "toolwindows/layer_list_picture.h"

#include <cstdio>

namespace daub {
namespace {

constexpr std::uint32_t kText = 0x000000;

// The face is no installed one: the character set makes the system choose a Japanese font.
TextFont ListFont(const LayerListGeometry& geometry) {
    constexpr int kShiftJisCharset = 128;
    constexpr int kClipTrueTypeAlways = 0x20;
    constexpr int kDraftQuality = 1;
    return {geometry.listTop - 4, "LayerFont", kShiftJisCharset, kClipTrueTypeAlways,
            kDraftQuality};
}

void DrawRow(DeviceContext& context, const LayerList& list, const LayerListGeometry& g, int row) {
    const int top = g.listTop + row * g.rowHeight - g.verticalOffset;
    const int left = -g.horizontalOffset;
    std::uint32_t background = kListBackground;
    if (row == list.selectedRow) {
        context.FillRect({left + g.nameLeft, top, left + g.windowWidth, top + g.rowHeight},
                         kSelectedNameCell);
        background = kSelectedNameCell;
    }
    if (list.marks[row] == 1)
        context.FillRect({left, top, left + g.nameLeft, top + g.rowHeight}, kShownVisibilityCell);
    context.DrawString(left + g.nameLeft + 5, top, LayerRowName(row), kText, background);
}

}  // namespace

std::string LayerRowName(int row) {
    char number[16];
    std::snprintf(number, sizeof number, "%2d", row);
    return std::string("レイヤー") + number;
}

void DrawLayerList(DeviceContext& context, const LayerList& list, const LayerListGeometry& geometry,
                   int clientWidth, int clientHeight) {
    context.UseFont(ListFont(geometry));
    context.FillRect({0, 0, clientWidth, clientHeight}, kListBackground);
    context.DrawString(-geometry.horizontalOffset, -geometry.verticalOffset, "表面", kText,
                       kListBackground);
    for (int row = 0; row <= list.lastRow && row < LayerList::kMaxRows; ++row)
        DrawRow(context, list, geometry, row);
}

}  // namespace daub
