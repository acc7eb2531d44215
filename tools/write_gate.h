#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "document/layer_stack.h"

namespace daub {

// LayerStack::IsWritable taken apart, so that a loop can test the bounds once per row and
// only the mask byte per pixel. For every pixel it answers exactly as IsWritable does.
class WriteGate {
  public:
    // Honours the stack's maskEnabled when honourMask is true; otherwise only the bounds count.
    WriteGate(const LayerStack& stack, int formatEntry, bool honourMask = true);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool InBounds(std::int64_t x, std::int64_t y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }
    bool MaskOn() const { return maskOn_; }
    bool MaskAllows(std::size_t offset) const {
        return !maskOn_ || (offset < maskSize_ && mask_[offset] == 255);
    }
    bool Writable(std::int64_t x, std::int64_t y, std::size_t offset) const {
        return InBounds(x, y) && MaskAllows(offset);
    }
    // True when the mask memory reaches every offset below end, so the per-pixel test may
    // skip the size check.
    bool MaskCovers(std::size_t end) const { return end <= maskSize_; }
    const std::uint8_t* Mask() const { return mask_; }

  private:
    int width_ = 0;
    int height_ = 0;
    bool maskOn_ = false;
    const std::uint8_t* mask_ = nullptr;
    std::size_t maskSize_ = 0;
};

// The part of [start, start + count) that lies in [0, limit), as a half-open range; empty
// (first >= second) when nothing does. Wide arithmetic, so no input can overflow.
struct IndexRange {
    int first = 0;
    int second = 0;
    bool Empty() const { return first >= second; }
};

inline IndexRange ClipRange(std::int64_t start, std::int64_t count, int limit) {
    const std::int64_t lo = std::max<std::int64_t>(start, 0);
    const std::int64_t hi = std::min<std::int64_t>(start + std::max<std::int64_t>(count, 0), limit);
    if (lo >= hi) return {};
    return {static_cast<int>(lo), static_cast<int>(hi)};
}

}  // namespace daub
