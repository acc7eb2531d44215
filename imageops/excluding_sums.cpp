#include "imageops/excluding_sums.h"

#include <bit>

#include "document/pixel_block.h"

namespace daub {

ExcludingColumnSums::ExcludingColumnSums(int first, int last, COLORREF excluded, int margin)
    : first_(first),
      count_(static_cast<std::size_t>(last - first)),
      margin_(static_cast<std::size_t>(margin)),
      channels_(3 * count_ + 1),
      excluded_(count_ + 2 * margin_),
      marked_((count_ + 63) / 64),
      // A colour with bits above the low 24 is never a pixel's colour.
      excludes_(excluded >> 24 == 0),
      key_{BlueOf(excluded), GreenOf(excluded), RedOf(excluded)} {}

void ExcludingColumnSums::Add(const std::uint8_t* row) {
    const std::uint8_t* p = row + 3 * static_cast<std::size_t>(first_);
    for (std::size_t i = 0; i < 3 * count_; ++i)
        channels_[i] += p[i];
    Enter(p);
}

void ExcludingColumnSums::Remove(const std::uint8_t* row) {
    const std::uint8_t* p = row + 3 * static_cast<std::size_t>(first_);
    for (std::size_t i = 0; i < 3 * count_; ++i)
        channels_[i] -= p[i];
    Leave();
}

void ExcludingColumnSums::Slide(const std::uint8_t* added, const std::uint8_t* removed) {
    const std::uint8_t* a = added + 3 * static_cast<std::size_t>(first_);
    const std::uint8_t* d = removed + 3 * static_cast<std::size_t>(first_);
    for (std::size_t i = 0; i < 3 * count_; ++i)
        channels_[i] += static_cast<std::uint32_t>(a[i] - d[i]);
    Enter(a);
    Leave();
}

// An excluded pixel entering (Sign +1) takes its value back out of the column's sums and
// is counted; leaving, the reverse. Sums wrap, and every exit follows its entry.
template <int Sign>
void ExcludingColumnSums::Correct(std::size_t column) {
    std::uint32_t* c = &channels_[3 * column];
    for (int k = 0; k < 3; ++k)
        c[k] -= static_cast<std::uint32_t>(Sign * key_[k]);
    const std::uint64_t bit = std::uint64_t{1} << (column % 64);
    std::uint32_t& count = excluded_[margin_ + column];
    if constexpr (Sign > 0) {
        if (count++ == 0) marked_[column / 64] |= bit;
    } else {
        if (--count == 0) marked_[column / 64] &= ~bit;
    }
}

// Finds the row's excluded pixels and corrects their columns; they are remembered, so that
// the row leaving later (rows leave in the order they entered) needs no second search.
void ExcludingColumnSums::Enter(const std::uint8_t* row) {
    const std::size_t before = entered_.size();
    const auto found = [&](std::size_t x) {
        Correct<+1>(x);
        entered_.push_back(static_cast<std::uint32_t>(x));
    };
    std::size_t x = 0;
#if defined(__SSE2__)
    using namespace simd;
    const Block keys = Repeat(key_), starts = Phase(0);
    for (; excludes_ && x + kBlockPixels <= count_; x += kBlockPixels) {
        const Block d = Xor(Load(row + 3 * x), keys);
        if (!MayHoldKey(d)) continue;
        // Bits at multiples of three: one per pixel of the key colour.
        for (std::uint64_t bits = ByteBits(WholePixelStarts(BytesEqual(d, Zero()), starts));
             bits != 0; bits &= bits - 1)
            found(x + static_cast<std::size_t>(std::countr_zero(bits)) / 3);
    }
#endif
    for (; excludes_ && x < count_; ++x) {
        const std::uint8_t* p = row + 3 * x;
        if (p[0] == key_[0] && p[1] == key_[1] && p[2] == key_[2]) found(x);
    }
    enteredPerRow_.push_back(entered_.size() - before);
}

void ExcludingColumnSums::Leave() {
    for (std::size_t n = enteredPerRow_.front(); n > 0; --n) {
        Correct<-1>(entered_.front());
        entered_.pop_front();
    }
    enteredPerRow_.pop_front();
}

}  // namespace daub
