#pragma once

#include "platform/picture_codec.h"

namespace daub {

// PNG through libpng, where the build has it; without it every file is "not a picture" and
// nothing can be encoded. Other formats are left to the real platform.
class PngCodec : public PictureCodec {
  public:
    static bool Available();

    DecodedPicture Decode(std::span<const std::uint8_t> file, const PictureLimits& limits) override;
    std::vector<std::uint8_t> EncodePng(const PixelImage& picture) override;
};

}  // namespace daub
