#pragma once

#include <cstdint>
#include <vector>

#include "platform/win32/win32_api.h"

#include "platform/device_context.h"

namespace daub {

// A picture as GDI takes a DIB: a 24-bit bottom-up BITMAPINFO and rows of the standard
// stride. Rows of another stride are repacked into a copy.
class PackedDib {
  public:
    explicit PackedDib(const PixelImage& picture);

    // False for a picture GDI should not be given: no pixels, no size, or rows too short.
    bool Valid() const { return valid_; }
    const BITMAPINFO* Info() const { return &info_; }
    const void* Bits() const { return copy_.empty() ? source_ : copy_.data(); }

  private:
    BITMAPINFO info_ = {};
    const std::uint8_t* source_ = nullptr;
    std::vector<std::uint8_t> copy_;
    bool valid_ = false;
};

// The bytes of one 24-bit DIB row: three per pixel, rounded up to whole DWORDs.
constexpr int DibStride(int width) {
    return (3 * width + 3) & ~3;
}

BITMAPINFO Dib24Info(int width, int height);

}  // namespace daub
