#pragma once

#include <cstdint>
#include <vector>

namespace daub {

// One colour channel of a bit-field pixel: the bits under the mask, scaled from their own
// range to 0..255 with rounding, so that a full channel of any width is 255 and not, say,
// 248. Any mask is safe, empty or with gaps; an empty one gives 0.
class ChannelScale {
  public:
    explicit ChannelScale(std::uint32_t mask = 0);

    std::uint8_t operator()(std::uint32_t pixel) const {
        const std::uint32_t v = (pixel & mask_) >> shift_;
        return table_.empty() ? Scale(v) : table_[v];
    }

  private:
    std::uint8_t Scale(std::uint32_t v) const;

    std::uint32_t mask_;
    int shift_;
    std::uint32_t max_;
    // Channels of up to 16 bits are looked up rather than divided.
    std::vector<std::uint8_t> table_;
};

}  // namespace daub
