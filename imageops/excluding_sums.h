#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "document/colour.h"

namespace daub {

// Per-column sums over a moving window of source rows, for the columns [first, last), in
// which pixels of the excluded colour add nothing to B, G and R and are counted instead.
// Row entry and exit are flat loops over the channels; the excluded pixels are found
// sixteen at a time and corrected one by one, since pictures hold few of them or long runs.
// Rows must leave in the order they entered, as they do from a sliding window.
class ExcludingColumnSums {
  public:
    // The excluded counts are padded with `margin` zeros on both sides.
    ExcludingColumnSums(int first, int last, COLORREF excluded, int margin = 0);

    void Add(const std::uint8_t* row);
    void Remove(const std::uint8_t* row);
    void Slide(const std::uint8_t* added, const std::uint8_t* removed);

    // B, G, R of the columns from `first` on, three to a column, and one spare value after.
    const std::uint32_t* Channels() const { return channels_.data(); }
    // The excluded pixels of the columns from `first` on, readable `margin` columns beyond.
    const std::uint32_t* Excluded() const { return excluded_.data() + margin_; }
    // One bit per column from `first` on: set while the window holds an excluded pixel.
    const std::vector<std::uint64_t>& Marked() const { return marked_; }

  private:
    void Enter(const std::uint8_t* row);
    void Leave();
    template <int Sign>
    void Correct(std::size_t column);

    int first_;
    std::size_t count_;
    std::size_t margin_;
    std::vector<std::uint32_t> channels_;
    std::vector<std::uint32_t> excluded_;
    std::vector<std::uint64_t> marked_;
    std::deque<std::uint32_t> entered_;      // columns of the excluded pixels in the window
    std::deque<std::size_t> enteredPerRow_;  // how many of them each row brought, oldest first
    bool excludes_;
    std::uint8_t key_[3];
};

}  // namespace daub
