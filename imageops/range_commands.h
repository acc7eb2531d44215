#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "document/document_state.h"
#include "document/slot_view.h"
#include "tools/tool_host.h"

namespace daub {

// The pixel work of the edit menu's range commands. The callers end what is pending, take
// the undo snapshots and repaint; these change the slots and the range state.

// What copy hands to the clipboard: a selected range as it is shown, all visible layers (the
// display slot), a floating one whole (the range slot). Where a selected range reaches past
// the canvas the picture is transparentColour, which a paste leaves see-through.
struct RangePicture {
    ConstSlotView pixels;  // empty: no range, or out of memory
    // Behind pixels when they had to be put together rather than read in place.
    std::unique_ptr<SlotBitmap> assembled;
    bool outOfMemory = false;
};
RangePicture PictureOfRange(const DocumentState& doc);

// A picture of rows bottom-up, RowStride(width) bytes each, as a bitmap of its own. Null
// when the rows are short of the picture, or no bitmap of that size can be had.
std::unique_ptr<SlotBitmap> BitmapOfRows(int width, int height, std::span<const std::uint8_t> rows);

// The picture becomes a floating range at the top-left corner of the view: the range slot,
// a selection of its size at this zoom, RangeSelect the left tool, pendingOp 3, and the clean
// picture under it in the composite slot. The layer is not touched until it is put down.
void FloatPastedPicture(DocumentState& doc, std::unique_ptr<SlotBitmap> picture);

// A selected range's pixels of the edited layer become transparentColour, mask ignored, and
// the layers are composited again; a floating range is dropped, leaving the clean picture.
// Either way nothing is pending afterwards.
void DeleteRange(DocumentState& doc);

// The range tool's range over the whole canvas, fixed as if dragged from corner to corner,
// with RangeSelect the left tool.
void SelectWholeCanvas(DocumentState& doc, ToolHost& host);

}  // namespace daub
