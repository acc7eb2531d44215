#include "imageops/range_commands.h"

#include <cstring>

#include "document/composite.h"
#include "document/view_layout.h"
#include "tools/floating_range.h"
#include "tools/range_tool.h"
#include "tools/slot_fill.h"

namespace daub {
namespace {

// The rectangle of the view, with rows bottom-up as its bitmap keeps them.
ConstSlotView SubView(const ConstSlotView& view, const Rect& r) {
    const std::uint8_t* bottomLeft = view.At(r.x, r.y + r.height - 1);
    return {bottomLeft, r.width, r.height, view.stride};
}

RangePicture InPlace(const ConstSlotView& pixels) {
    RangePicture picture;
    picture.pixels = pixels;
    return picture;
}

// The part of the display under the range, transparentColour beyond the canvas.
RangePicture AssembledPicture(const ConstSlotView& display, const Rect& range, COLORREF key) {
    RangePicture picture;
    picture.assembled = LayerStack::MakeBitmap(MakeSlotFormat(range.width, range.height));
    if (!picture.assembled) {
        picture.outOfMemory = true;
        return picture;
    }
    SlotBitmap& b = *picture.assembled;
    FillBitmap(&b, key);
    const SlotView target(b.pixels.get(), b.width, b.height, b.stride);
    const Rect seen = ClipRect(range, display.width, display.height);
    for (int y = seen.y; y < seen.y + seen.height; ++y)
        std::memcpy(target.At(seen.x - range.x, y - range.y), display.At(seen.x, y),
                    3 * static_cast<std::size_t>(seen.width));
    picture.pixels = target;
    return picture;
}

}  // namespace

RangePicture PictureOfRange(const DocumentState& doc) {
    if (!doc.layerStack) return {};
    const LayerStack& stack = *doc.layerStack;
    if (doc.pendingOp == pending::kRangeFloating) {
        // Whole: the range's view size at a zoom below 1 would cut its last columns off.
        const SlotBitmap* range = stack.Bitmap(LayerStack::kRangeSlot);
        if (!range) return {};
        return InPlace({range->pixels.get(), range->width, range->height, range->stride});
    }
    if (doc.pendingOp != pending::kRangeSelected) return {};
    const ConstSlotView display = ViewOf(stack, LayerStack::kDisplaySlot, 0);
    const Rect range = RangeCanvasRect(doc);
    if (!display || range.width <= 0 || range.height <= 0) return {};
    const Rect seen = ClipRect(range, display.width, display.height);
    if (seen.width == range.width && seen.height == range.height)
        return InPlace(SubView(display, range));
    return AssembledPicture(display, range, doc.transparentColour);
}

std::unique_ptr<SlotBitmap> BitmapOfRows(int width, int height,
                                         std::span<const std::uint8_t> rows) {
    if (!IsValidSlotSize(width, height)) return nullptr;
    std::unique_ptr<SlotBitmap> bitmap =
        LayerStack::MakeBitmap(MakeSlotFormat(width, height), false);
    if (!bitmap || rows.size() < bitmap->ByteSize()) return nullptr;
    std::memcpy(bitmap->pixels.get(), rows.data(), bitmap->ByteSize());
    return bitmap;
}

void FloatPastedPicture(DocumentState& doc, std::unique_ptr<SlotBitmap> picture) {
    LayerStack& stack = *doc.layerStack;
    const int width = picture->width, height = picture->height;
    stack.DefineFormat(4, width, height);
    stack.InstallBitmap(LayerStack::kRangeSlot, std::move(picture));
    doc.selection = {0, 0, TruncSaturated(static_cast<float>(width) * doc.zoom),
                     TruncSaturated(static_cast<float>(height) * doc.zoom)};
    doc.previousZoom = doc.zoom;
    doc.leftTool = ToolKind::RangeSelect;
    doc.pendingOp = pending::kRangeFloating;
    if (doc.currentLayer == LayerStack::kFirstLayer)
        LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kCompositeSlot),
                               stack.Bitmap(LayerStack::kDisplaySlot));
    else
        Composite(stack, doc.transparentColour, doc.lastLayer, kFromFirstLayer,
                  LayerStack::kCompositeSlot, 0);
}

void DeleteRange(DocumentState& doc) {
    LayerStack& stack = *doc.layerStack;
    if (doc.pendingOp == pending::kRangeSelected) {
        const Rect r = ClipRect(RangeCanvasRect(doc), stack.Width(0), stack.Height(0));
        FillSlotRect(stack, doc.transparentColour, doc.currentLayer, r.x, r.y, r.width, r.height,
                     0);
        Composite(stack, doc.transparentColour, doc.lastLayer, kFromFirstLayer,
                  LayerStack::kDisplaySlot, 0);
    } else if (doc.pendingOp == pending::kRangeFloating) {
        LayerStack::CopyBitmap(stack.Bitmap(LayerStack::kDisplaySlot),
                               stack.Bitmap(LayerStack::kCompositeSlot));
    }
    doc.pendingOp = pending::kNone;
}

void SelectWholeCanvas(DocumentState& doc, ToolHost& host) {
    doc.leftTool = ToolKind::RangeSelect;
    host.ToolChanged();
    doc.pressPoint = {-doc.scrollX, -doc.scrollY};
    doc.lastPoint = {doc.zoomedWidth - doc.scrollX, doc.zoomedHeight - doc.scrollY};
    doc.pendingOp = pending::kRangeDragged;
    RangeSelect(doc, host, doc.lastPoint, ToolPhase::LeftRelease);
}

}  // namespace daub
