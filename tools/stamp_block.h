#pragma once

#include <cstdint>

#include "document/colour.h"
#include "document/layer_stack.h"
#include "document/slot_view.h"
#include "tools/write_gate.h"

namespace daub {

// Writes the w x h block around (x, y) into the target: rows y - (h >> 1) onward, columns
// x - (w >> 1) onward, so even sizes reach one pixel further left and up. Each writable pixel
// gets the colour, or the source slot's pixel at the same place (sourceSlot -1: none).
void StampBlock(LayerStack& stack, COLORREF colour, int targetSlot, int x, int y, int w, int h,
                int sourceSlot, int formatSlot);

// Centre coordinates, inclusive, whose blocks reach the image; empty when first > last.
struct CentreSpan {
    std::int64_t first = 0;
    std::int64_t last = -1;
};

// Stamps many blocks of one size with the slots and the mask looked up once: lines and
// ellipses are made of these. Coordinates are wide so that far-off shapes cannot overflow.
class BlockStamper {
  public:
    BlockStamper(LayerStack& stack, COLORREF colour, int targetSlot, int w, int h, int sourceSlot,
                 int formatSlot);

    // False when a slot or the format is missing: nothing may be stamped then.
    explicit operator bool() const { return static_cast<bool>(target_); }
    void Stamp(std::int64_t x, std::int64_t y) const;

    CentreSpan ColumnCentres() const { return Centres(w_, target_.width); }
    CentreSpan RowCentres() const { return Centres(h_, target_.height); }

  private:
    static CentreSpan Centres(int size, int limit);
    void WriteRow(std::size_t begin, std::size_t end) const;

    SlotView target_;
    SlotView source_;
    WriteGate gate_;
    COLORREF colour_;
    int w_;
    int h_;
};

}  // namespace daub
