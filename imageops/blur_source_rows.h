#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "document/slot_view.h"

namespace daub {

// Where the blur reads its source rows. Writing into the source would feed written pixels
// back into later averages, so when a target is the source the rows that feed the square
// are read from a copy. With a save slot, each row is copied into it as it enters the
// window and read back from there as it leaves: the blur may then write into the source.
class SourceRows {
  public:
    // Rows [firstRow, lastRow) feed the blur.
    SourceRows(const SlotView& source, bool aliased, std::uint8_t* save, int firstRow, int lastRow)
        : source_(source), save_(save), lastRow_(lastRow) {
        if (!aliased || save_) return;
        const std::uint8_t* from = source.At(0, lastRow - 1);  // rows are stored bottom-up
        copy_.assign(from, from + Stride() * static_cast<std::size_t>(lastRow - firstRow));
    }

    const std::uint8_t* Entering(int y) {
        if (!save_) return Leaving(y);
        const std::size_t offset = source_.Offset(0, y);
        std::memcpy(save_ + offset, source_.bits + offset, Stride());
        return save_ + offset;
    }
    const std::uint8_t* Leaving(int y) const {
        if (save_) return save_ + source_.Offset(0, y);
        if (copy_.empty()) return source_.At(0, y);
        return copy_.data() + Stride() * static_cast<std::size_t>(lastRow_ - 1 - y);
    }

  private:
    std::size_t Stride() const { return static_cast<std::size_t>(source_.stride); }

    const SlotView& source_;
    std::uint8_t* save_;
    int lastRow_;
    std::vector<std::uint8_t> copy_;
};

}  // namespace daub
