#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "document/brush_kernel.h"
#include "document/lazy_slot_copy.h"
#include "document/slot_format.h"

namespace daub {

// The pixel memory of one slot, with the geometry it was created with. A null pointer to it
// plays the part of a null bitmap handle: "no bitmap".
struct SlotBitmap {
    int width = 0;
    int height = 0;
    int stride = 0;
    std::unique_ptr<std::uint8_t[]> pixels;

    std::size_t ByteSize() const {
        return static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
    }
};
using BitmapHandle = SlotBitmap*;

// Every bitmap of the document: five work slots and the layers, each with a format entry
// that gives the geometry the pixel operations use.
class LayerStack {
  public:
    static constexpr int kDisplaySlot = 0;
    static constexpr int kCompositeSlot = 1;
    static constexpr int kScratchSlot = 2;
    static constexpr int kMaskSlot = 3;
    static constexpr int kRangeSlot = 4;
    static constexpr int kFirstLayer = 5;

    explicit LayerStack(int slotCount);
    LayerStack(const LayerStack&) = delete;
    LayerStack& operator=(const LayerStack&) = delete;
    LayerStack(LayerStack&&) = default;
    LayerStack& operator=(LayerStack&&) = default;

    int SlotCount() const { return slotCount_; }
    bool IsSlot(int index) const { return index >= 0 && index < slotCount_; }

    // The slot's bitmap, or null when it has none (or the index is out of range).
    // Const access reads only: a const stack hands out no writable pixels.
    BitmapHandle Bitmap(int slot);
    const SlotBitmap* Bitmap(int slot) const;
    std::uint8_t* Bits(int slot);
    const std::uint8_t* Bits(int slot) const;

    // Format entry i: null when never defined.
    const SlotFormat* Format(int entry) const;
    int Width(int entry) const { return IsSlot(entry) ? width_[entry] : 0; }
    int Height(int entry) const { return IsSlot(entry) ? height_[entry] : 0; }
    int Stride(int entry) const { return IsSlot(entry) ? stride_[entry] : 0; }

    // Redefines format entry i for a 24-bit w x h image. Returns false (and changes nothing)
    // for a size the program does not build.
    bool DefineFormat(int entry, int width, int height);

    // Gives the slot a new bitmap of the format's geometry (format entry 0 when none is
    // given). Its content is zero. Returns null, leaving the slot as it was, when there is no
    // such format or the memory cannot be had. A slot that already has a bitmap of that
    // geometry keeps its memory, cleared.
    BitmapHandle CreateSlotBitmap(int slot, const SlotFormat* format = nullptr);

    // A bitmap of the format's geometry that belongs to no slot yet, zeroed unless the caller
    // overwrites every byte itself; null when the size is not one the program builds or the
    // memory cannot be had.
    static std::unique_ptr<SlotBitmap> MakeBitmap(const SlotFormat& format, bool zeroed = true);
    // The most bytes one bitmap may take: the slot limit, lowered by tests to see what
    // running out of memory does.
    static std::size_t& AllocationLimit();
    // Makes the bitmap the slot's own, replacing what the slot had. The bitmap replaced is
    // kept aside as the stack's one spare, for TakeBitmap.
    BitmapHandle InstallBitmap(int slot, std::unique_ptr<SlotBitmap> bitmap);

    // MakeBitmap for a bitmap that is to replace a slot's: the spare when it has the
    // format's geometry, since its memory is already mapped and touched, else a new one. A
    // spare of another geometry is let go.
    std::unique_ptr<SlotBitmap> TakeBitmap(const SlotFormat& format, bool zeroed = true);

    // Removes the slot's bitmap.
    void DeleteSlotBitmap(int slot);

    // Copies the overlapping top-left part of source onto destination; nothing if either is
    // null.
    static void CopyBitmap(BitmapHandle destination, const SlotBitmap* source);

    static std::size_t PixelOffset(int stride, int height, int x, int y) {
        return static_cast<std::size_t>(stride) * static_cast<std::size_t>(height - 1 - y) +
               3 * static_cast<std::size_t>(x);
    }

    // Inside the entry's bounds and, while the mask is on, white in the mask slot.
    bool IsWritable(int x, int y, std::size_t offset, int formatEntry) const;

    int maskEnabled = 0;
    std::vector<int> visible;
    // The points of the curve being placed; the one count the program keeps.
    int curvePointCount = 0;
    BrushKernel brushKernel;
    // The display as a spray stroke found it at its press, copied into the composite slot
    // band by band as the stroke reaches them.
    LazySlotCopy strokeSaved;

  private:
    int slotCount_;
    std::vector<std::unique_ptr<SlotBitmap>> bitmap_;
    std::unique_ptr<SlotBitmap> spare_;
    std::vector<std::unique_ptr<SlotFormat>> format_;
    std::vector<int> width_, height_, stride_;
};

}  // namespace daub
