#pragma once

#include "files/picture_formats.h"
#include "platform/platform.h"

namespace daub {

// Hands the picture files the core cannot read itself to the platform's codecs, within the
// limits of a slot.
class PlatformPictureFormats : public PictureFormats {
  public:
    explicit PlatformPictureFormats(Platform& platform) : codec_(platform.Pictures()) {}

    std::unique_ptr<SlotBitmap> Decode(std::span<const std::uint8_t> file,
                                       PictureRefusal& refusal) override;
    std::vector<std::uint8_t> EncodePng(const ConstSlotView& picture) override;

  private:
    PictureCodec& codec_;
};

}  // namespace daub
