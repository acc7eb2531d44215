#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/device_context.h"

namespace daub {

// Why a file's bytes gave no picture.
enum class PictureProblem { kNone, kNotPicture, kDamaged, kTooLarge, kNoMemory };

// A decoded picture: rows bottom-up, blue, green, red per pixel, each row
// (3 * width + 3) & ~3 bytes, padding zero; transparency is already put over white.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;
    PictureProblem problem = PictureProblem::kNone;
};

// The largest picture a caller takes; a bigger one is refused before its pixels are decoded.
struct PictureLimits {
    int maxSide = 0;
    std::size_t maxBytes = 0;

    bool Fits(std::uint64_t width, std::uint64_t height) const {
        return width > 0 && height > 0 && width <= static_cast<std::uint64_t>(maxSide) &&
               height <= static_cast<std::uint64_t>(maxSide) &&
               ((3 * width + 3) & ~std::uint64_t{3}) * height <= maxBytes;
    }
};

// The system's picture codecs: the first frame of a PNG, JPEG, GIF, TIFF or ICO file as
// 24-bit pixels, and 24-bit pixels as a PNG file, both in memory.
class PictureCodec {
  public:
    virtual ~PictureCodec() = default;
    virtual DecodedPicture Decode(std::span<const std::uint8_t> file,
                                  const PictureLimits& limits) = 0;
    // The PNG file's bytes; empty when it could not be made.
    virtual std::vector<std::uint8_t> EncodePng(const PixelImage& picture) = 0;
};

}  // namespace daub
