#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "document/colour.h"

namespace daub {

// Per-column running sums over a moving window of source rows, for the columns
// [first, last): the plain B, G, R sums of every pixel, and how many of the pixels have the
// excluded colour. The excluded pixels' share is taken out only when a window is averaged,
// so a row entering or leaving is a flat loop that the compiler turns into vector code.
// Sums wrap; a row is only ever removed after it was added, which keeps them exact.
class ColumnSums {
  public:
    ColumnSums(int first, int last, COLORREF excluded)
        : first_(first),
          count_(static_cast<std::size_t>(last - first)),
          channels_(3 * count_),
          excluded_(count_),
          // A colour with bits above the low 24 is never a pixel's colour.
          excludes_(excluded >> 24 == 0),
          excludedBytes_{static_cast<std::uint8_t>(excluded >> 16),
                         static_cast<std::uint8_t>(excluded >> 8),
                         static_cast<std::uint8_t>(excluded)},
          excludedKey_(static_cast<std::uint32_t>(excludedBytes_[0] | excludedBytes_[1] << 8 |
                                                  excludedBytes_[2] << 16)) {}

    // B, G, R of a column.
    const std::uint32_t* Channels(int column) const {
        return channels_.data() + 3 * static_cast<std::size_t>(column - first_);
    }
    const std::uint32_t* Excluded(int column) const {
        return excluded_.data() + static_cast<std::size_t>(column - first_);
    }
    // The B, G, R bytes of the excluded colour as pixels store them.
    const std::uint8_t* ExcludedBytes() const { return excludedBytes_; }

    void Add(const std::uint8_t* row) {
        const std::uint8_t* p = Start(row);
        for (std::size_t i = 0; i < channels_.size(); ++i)
            channels_[i] += p[i];
        CountExcluded<+1>(p);
    }

    void Remove(const std::uint8_t* row) {
        const std::uint8_t* p = Start(row);
        for (std::size_t i = 0; i < channels_.size(); ++i)
            channels_[i] -= p[i];
        CountExcluded<-1>(p);
    }

    // Adds one row and removes another in the same pass.
    void Slide(const std::uint8_t* added, const std::uint8_t* removed) {
        const std::uint8_t* a = Start(added);
        const std::uint8_t* d = Start(removed);
        for (std::size_t i = 0; i < channels_.size(); ++i)
            channels_[i] += static_cast<std::uint32_t>(a[i] - d[i]);
        CountExcluded<+1>(a);
        CountExcluded<-1>(d);
    }

  private:
    const std::uint8_t* Start(const std::uint8_t* row) const {
        return row + 3 * static_cast<std::size_t>(first_);
    }
    // Counts (Sign +1) or uncounts (Sign -1) the row's pixels of the excluded colour. All but
    // the last pixel are read as four bytes at once, the fourth belonging to the next pixel;
    // the last one's fourth byte may lie beyond the bitmap.
    template <int Sign>
    void CountExcluded(const std::uint8_t* p) {
        if (!excludes_ || count_ == 0) return;
        const std::size_t last = count_ - 1;
        for (std::size_t i = 0; i < last; ++i) {
            std::uint32_t key;
            std::memcpy(&key, p + 3 * i, 4);
            Count<Sign>(i, (LittleEndian(key) & 0xFFFFFF) == excludedKey_);
        }
        const std::uint8_t* q = p + 3 * last;
        Count<Sign>(last,
                    static_cast<std::uint32_t>(q[0] | q[1] << 8 | q[2] << 16) == excludedKey_);
    }
    template <int Sign>
    void Count(std::size_t i, bool excluded) {
        if constexpr (Sign > 0)
            excluded_[i] += excluded;
        else
            excluded_[i] -= excluded;
    }
    static std::uint32_t LittleEndian(std::uint32_t v) {
        if constexpr (std::endian::native == std::endian::little) return v;
        return (v >> 24) | ((v >> 8) & 0xFF00) | ((v << 8) & 0xFF0000) | (v << 24);
    }

    int first_;
    std::size_t count_;
    std::vector<std::uint32_t> channels_;  // B, G, R per column
    std::vector<std::uint32_t> excluded_;  // pixels of the excluded colour per column
    bool excludes_;
    std::uint8_t excludedBytes_[3];
    std::uint32_t excludedKey_;  // the excluded bytes as IsExcluded reads them
};

// The truncated means of window sums, B, G, R. A division per
// channel and pixel would dominate the blur, so large blurs divide through a table of
// reciprocals instead: for sums below 2^24 and counts n up to 2^16,
// (s * ceil(2^40 / n)) >> 40 is exactly s / n, because s * n stays below 2^40.
class MeanDivider {
  public:
    static constexpr std::uint64_t kMaxTableCount = 1 << 16;
    static constexpr int kShift = 40;

    // maxCount: the most pixels a window can hold; pixels: how many means will be taken.
    MeanDivider(std::uint64_t maxCount, std::uint64_t pixels) {
        if (maxCount > kMaxTableCount || maxCount > pixels) return;
        reciprocals_.resize(maxCount + 1);
        for (std::uint64_t n = 1; n <= maxCount; ++n)
            reciprocals_[n] = ((std::uint64_t{1} << kShift) + n - 1) / n;
    }

    const std::uint64_t* Table() const { return reciprocals_.data(); }
    std::uint64_t TableSize() const { return reciprocals_.size(); }

    // Writes B, G, R of the means into out; n > 0 and every sum at most 255 * n.
    template <typename Int>
    static void Mean(const std::uint64_t* table, std::uint64_t tableSize, Int b, Int g, Int r,
                     Int n, std::uint8_t* out) {
        if (n < tableSize) {
            const std::uint64_t c = table[n];
            out[0] = static_cast<std::uint8_t>((std::uint64_t{b} * c) >> kShift);
            out[1] = static_cast<std::uint8_t>((std::uint64_t{g} * c) >> kShift);
            out[2] = static_cast<std::uint8_t>((std::uint64_t{r} * c) >> kShift);
            return;
        }
        out[0] = static_cast<std::uint8_t>(b / n);
        out[1] = static_cast<std::uint8_t>(g / n);
        out[2] = static_cast<std::uint8_t>(r / n);
    }

  private:
    std::vector<std::uint64_t> reciprocals_;
};

}  // namespace daub
