#include "imageops/resize_canvas.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "document/slot_view.h"
#include "document/undo_history.h"
#include "tools/tool_host.h"

namespace daub {
namespace {

// The slots that keep their pixels through a resize: all but the range slot, up to the top
// layer. The range slot comes last in the list of new bitmaps.
std::vector<int> KeptSlots(const DocumentState& doc) {
    std::vector<int> slots;
    const int top = std::min(doc.lastLayer, doc.layerStack->SlotCount() - 1);
    for (int slot = 0; slot <= top; ++slot)
        if (slot != LayerStack::kRangeSlot) slots.push_back(slot);
    return slots;
}

// One bitmap for each kept slot and one for the range slot, or none at all.
std::vector<std::unique_ptr<SlotBitmap>> MakeBitmaps(std::size_t count, const SlotFormat& format) {
    std::vector<std::unique_ptr<SlotBitmap>> bitmaps;
    for (std::size_t i = 0; i < count; ++i) {
        bitmaps.push_back(LayerStack::MakeBitmap(format, false));
        if (!bitmaps.back()) return {};
    }
    return bitmaps;
}

// A row of the fill colour as long as a row of the target.
std::vector<std::uint8_t> FillRow(int width, COLORREF fill) {
    std::vector<std::uint8_t> row(3 * static_cast<std::size_t>(width));
    for (std::size_t i = 0; i < row.size(); i += 3)
        StorePixel(row.data() + i, fill);
    return row;
}

// Each target row takes the part of the source row that reaches it, shifted by the offset,
// and the fill colour around it; every byte is written once.
void CopyShifted(SlotBitmap& target, const ConstSlotView& source, long long offsetX,
                 long long offsetY, const std::vector<std::uint8_t>& fill) {
    const long long left = std::clamp(-offsetX, 0LL, static_cast<long long>(target.width));
    const long long right =
        std::clamp(source.width - offsetX, left, static_cast<long long>(target.width));
    for (int y = 0; y < target.height; ++y) {
        std::uint8_t* row =
            target.pixels.get() + LayerStack::PixelOffset(target.stride, target.height, 0, y);
        // The padding is cleared so that files written from the slot do not vary.
        std::memset(row + fill.size(), 0, static_cast<std::size_t>(target.stride) - fill.size());
        const long long sy = y + offsetY;
        if (!source || sy < 0 || sy >= source.height || left == right) {
            std::memcpy(row, fill.data(), fill.size());
            continue;
        }
        std::memcpy(row, fill.data(), 3 * static_cast<std::size_t>(left));
        std::memcpy(row + 3 * left,
                    source.At(static_cast<int>(left + offsetX), static_cast<int>(sy)),
                    3 * static_cast<std::size_t>(right - left));
        std::memcpy(row + 3 * right, fill.data(),
                    fill.size() - 3 * static_cast<std::size_t>(right));
    }
}

}  // namespace

Point ResizeOffset(int oldWidth, int oldHeight, int newWidth, int newHeight, bool centre) {
    if (!centre) return {};
    // Integer division truncates toward zero, as the offsets must.
    return {static_cast<int>((static_cast<long long>(oldWidth) - newWidth) / 2),
            static_cast<int>((static_cast<long long>(oldHeight) - newHeight) / 2)};
}

bool ResizeCanvas(DocumentState& doc, int offsetX, int offsetY, int newWidth, int newHeight) {
    if (!doc.layerStack || !IsValidSlotSize(newWidth, newHeight)) return false;
    LayerStack& stack = *doc.layerStack;
    const std::vector<int> kept = KeptSlots(doc);
    auto bitmaps = MakeBitmaps(kept.size() + 1, MakeSlotFormat(newWidth, newHeight));
    if (bitmaps.empty()) return false;
    const std::vector<std::uint8_t> fill = FillRow(newWidth, doc.transparentColour);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        CopyShifted(*bitmaps[i], ViewOf(std::as_const(stack), kept[i], 0), offsetX, offsetY, fill);
        stack.InstallBitmap(kept[i], std::move(bitmaps[i]));
    }
    FillBitmap(bitmaps.back().get(), doc.transparentColour);
    stack.InstallBitmap(LayerStack::kRangeSlot, std::move(bitmaps.back()));
    stack.DefineFormat(0, newWidth, newHeight);
    stack.DefineFormat(4, newWidth, newHeight);
    doc.documentBitmap = stack.Bitmap(LayerStack::kDisplaySlot);
    doc.compositeBitmap = stack.Bitmap(LayerStack::kCompositeSlot);
    doc.zoom = 1.0f;
    doc.zoomedWidth = newWidth;
    doc.zoomedHeight = newHeight;
    doc.scrollX = doc.scrollY = 0;
    ResetHistory(doc);
    doc.pendingOp = pending::kNone;
    stack.curvePointCount = 0;
    // A new size is a change like any other: closing the picture unsaved asks first.
    doc.modified = 1;
    return true;
}

}  // namespace daub
