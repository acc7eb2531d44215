#include "app/platform_picture_formats.h"

#include <algorithm>
#include <cstring>

#include "document/slot_format.h"

namespace daub {
namespace {

PictureRefusal RefusalOf(PictureProblem problem) {
    switch (problem) {
        case PictureProblem::kDamaged:
            return PictureRefusal::kDamaged;
        case PictureProblem::kTooLarge:
            return PictureRefusal::kTooLarge;
        case PictureProblem::kNoMemory:
            return PictureRefusal::kNoMemory;
        default:
            return PictureRefusal::kNotPicture;
    }
}

}  // namespace

std::unique_ptr<SlotBitmap> PlatformPictureFormats::Decode(std::span<const std::uint8_t> file,
                                                           PictureRefusal& refusal) {
    const PictureLimits limits{kMaxSlotSide,
                               std::min(kMaxSlotBytes, LayerStack::AllocationLimit())};
    const DecodedPicture decoded = codec_.Decode(file, limits);
    if (decoded.problem != PictureProblem::kNone) {
        refusal = RefusalOf(decoded.problem);
        return nullptr;
    }
    // A codec's answer is checked like a file's header before any byte of it is copied.
    const std::size_t stride = static_cast<std::size_t>(RowStride(decoded.width));
    if (!IsValidSlotSize(decoded.width, decoded.height) ||
        decoded.bits.size() != stride * static_cast<std::size_t>(decoded.height)) {
        refusal = PictureRefusal::kDamaged;
        return nullptr;
    }
    std::unique_ptr<SlotBitmap> bitmap =
        LayerStack::MakeBitmap(MakeSlotFormat(decoded.width, decoded.height), false);
    if (!bitmap) {
        refusal = PictureRefusal::kNoMemory;
        return nullptr;
    }
    std::memcpy(bitmap->pixels.get(), decoded.bits.data(), decoded.bits.size());
    return bitmap;
}

std::vector<std::uint8_t> PlatformPictureFormats::EncodePng(const ConstSlotView& picture) {
    return codec_.EncodePng({picture.bits, picture.width, picture.height, picture.stride});
}

}  // namespace daub
