#include "document/layer_stack.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace daub {

LayerStack::LayerStack(int slotCount)
    : visible(static_cast<std::size_t>(std::max(slotCount, 0)), 0),
      slotCount_(std::max(slotCount, 0)),
      bitmap_(static_cast<std::size_t>(slotCount_)),
      format_(static_cast<std::size_t>(slotCount_)),
      width_(static_cast<std::size_t>(slotCount_), 0),
      height_(static_cast<std::size_t>(slotCount_), 0),
      stride_(static_cast<std::size_t>(slotCount_), 0) {}

BitmapHandle LayerStack::Bitmap(int slot) {
    return IsSlot(slot) ? bitmap_[slot].get() : nullptr;
}

const SlotBitmap* LayerStack::Bitmap(int slot) const {
    return IsSlot(slot) ? bitmap_[slot].get() : nullptr;
}

std::uint8_t* LayerStack::Bits(int slot) {
    BitmapHandle b = Bitmap(slot);
    return b ? b->pixels.get() : nullptr;
}

const std::uint8_t* LayerStack::Bits(int slot) const {
    const SlotBitmap* b = Bitmap(slot);
    return b ? b->pixels.get() : nullptr;
}

const SlotFormat* LayerStack::Format(int entry) const {
    return IsSlot(entry) ? format_[entry].get() : nullptr;
}

bool LayerStack::DefineFormat(int entry, int width, int height) {
    if (!IsSlot(entry) || !IsValidSlotSize(width, height)) return false;
    format_[entry] = std::make_unique<SlotFormat>(MakeSlotFormat(width, height));
    width_[entry] = width;
    height_[entry] = height;
    stride_[entry] = RowStride(width);
    return true;
}

namespace {

bool HasGeometry(const SlotBitmap& bitmap, const SlotFormat& format) {
    return bitmap.width == format.header.biWidth && bitmap.height == format.header.biHeight &&
           bitmap.pixels;
}

}  // namespace

BitmapHandle LayerStack::CreateSlotBitmap(int slot, const SlotFormat* format) {
    if (!IsSlot(slot)) return nullptr;
    if (!format) format = Format(0);
    if (!format) return nullptr;
    // Clearing memory in use is cheaper than mapping and touching new pages.
    if (SlotBitmap* own = bitmap_[slot].get(); own && HasGeometry(*own, *format)) {
        std::memset(own->pixels.get(), 0, own->ByteSize());
        return own;
    }
    return InstallBitmap(slot, MakeBitmap(*format));
}

std::unique_ptr<SlotBitmap> LayerStack::TakeBitmap(const SlotFormat& format, bool zeroed) {
    std::unique_ptr<SlotBitmap> spare = std::move(spare_);
    if (!spare || !HasGeometry(*spare, format)) {
        spare.reset();
        return MakeBitmap(format, zeroed);
    }
    if (zeroed) std::memset(spare->pixels.get(), 0, spare->ByteSize());
    return spare;
}

std::unique_ptr<SlotBitmap> LayerStack::MakeBitmap(const SlotFormat& format, bool zeroed) {
    const int w = format.header.biWidth;
    const int h = format.header.biHeight;
    if (!IsValidSlotSize(w, h)) return nullptr;
    auto bitmap = std::make_unique<SlotBitmap>();
    bitmap->width = w;
    bitmap->height = h;
    bitmap->stride = RowStride(w);
    const std::size_t bytes = bitmap->ByteSize();
    if (bytes > AllocationLimit()) return nullptr;
    bitmap->pixels.reset(zeroed ? new (std::nothrow) std::uint8_t[bytes]()
                                : new (std::nothrow) std::uint8_t[bytes]);
    if (!bitmap->pixels) return nullptr;
    return bitmap;
}

std::size_t& LayerStack::AllocationLimit() {
    static std::size_t limit = kMaxSlotBytes;
    return limit;
}

BitmapHandle LayerStack::InstallBitmap(int slot, std::unique_ptr<SlotBitmap> bitmap) {
    if (!IsSlot(slot) || !bitmap) return nullptr;
    spare_ = std::exchange(bitmap_[slot], std::move(bitmap));
    return bitmap_[slot].get();
}

void LayerStack::DeleteSlotBitmap(int slot) {
    if (IsSlot(slot)) bitmap_[slot].reset();
}

void LayerStack::CopyBitmap(BitmapHandle destination, const SlotBitmap* source) {
    if (!destination || !source || destination == source) return;
    const int w = std::min(destination->width, source->width);
    const int h = std::min(destination->height, source->height);
    if (w <= 0 || h <= 0) return;
    if (destination->width == source->width && destination->height == source->height) {
        std::memcpy(destination->pixels.get(), source->pixels.get(), source->ByteSize());
        return;
    }
    // Both images are anchored at their top-left corner, which is their last stored row.
    for (int y = 0; y < h; ++y) {
        std::memcpy(
            destination->pixels.get() + PixelOffset(destination->stride, destination->height, 0, y),
            source->pixels.get() + PixelOffset(source->stride, source->height, 0, y),
            3 * static_cast<std::size_t>(w));
    }
}

bool LayerStack::IsWritable(int x, int y, std::size_t offset, int formatEntry) const {
    if (!IsSlot(formatEntry)) return false;
    if (x < 0 || y < 0 || x >= width_[formatEntry] || y >= height_[formatEntry]) return false;
    if (maskEnabled != 1) return true;
    const SlotBitmap* mask = Bitmap(kMaskSlot);
    // A mask that does not reach this pixel cannot allow the write.
    if (!mask || offset >= mask->ByteSize()) return false;
    return mask->pixels[offset] == 255;
}

}  // namespace daub
