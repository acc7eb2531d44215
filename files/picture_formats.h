#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "document/layer_stack.h"
#include "document/slot_view.h"

namespace daub {

// Why a picture file gave no bitmap.
enum class PictureRefusal { kNone, kNotPicture, kDamaged, kTooLarge, kNoMemory };

// The picture formats other than BMP, as the system's codecs handle them.
class PictureFormats {
  public:
    virtual ~PictureFormats() = default;
    // The first frame of a PNG, JPEG, GIF, TIFF or ICO file's bytes as a 24-bit bitmap of its
    // own size, transparency put over white; null with the reason otherwise.
    virtual std::unique_ptr<SlotBitmap> Decode(std::span<const std::uint8_t> file,
                                               PictureRefusal& refusal) = 0;
    // The pixels as a PNG file's bytes; empty when it could not be made.
    virtual std::vector<std::uint8_t> EncodePng(const ConstSlotView& picture) = 0;
};

}  // namespace daub
