#include "files/bmp_bitfields.h"

#include <bit>

namespace daub {

ChannelScale::ChannelScale(std::uint32_t mask)
    : mask_(mask), shift_(mask == 0 ? 0 : std::countr_zero(mask)), max_(mask >> shift_) {
    if (max_ == 0 || max_ > 0xFFFF) return;
    table_.resize(std::size_t{max_} + 1);
    for (std::uint32_t v = 0; v <= max_; ++v)
        table_[v] = Scale(v);
}

std::uint8_t ChannelScale::Scale(std::uint32_t v) const {
    if (max_ == 0) return 0;
    return static_cast<std::uint8_t>((std::uint64_t{v} * 255 + max_ / 2) / max_);
}

}  // namespace daub
