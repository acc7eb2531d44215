#pragma once

#include "platform/picture_codec.h"

namespace daub {

// The Windows Imaging Component: every format it has a decoder for, and its PNG encoder.
class WicCodec : public PictureCodec {
  public:
    DecodedPicture Decode(std::span<const std::uint8_t> file, const PictureLimits& limits) override;
    std::vector<std::uint8_t> EncodePng(const PixelImage& picture) override;
};

}  // namespace daub
