#include "platform/headless/png_codec.h"

#include <algorithm>
#include <cstring>
#include <new>

#ifdef DAUBIX_HAVE_PNG
#include <png.h>
#endif

namespace daub {

#ifdef DAUBIX_HAVE_PNG

namespace {

constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

DecodedPicture Failed(PictureProblem problem) {
    DecodedPicture failed;
    failed.problem = problem;
    return failed;
}

// The pixels are read bottom-up straight into rows of the program's stride (a negative row
// stride tells libpng so); transparency is put over white on the way.
DecodedPicture DecodeOpened(png_image& image, const PictureLimits& limits) {
    if (!limits.Fits(image.width, image.height)) return Failed(PictureProblem::kTooLarge);
    DecodedPicture picture;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    const int stride = (3 * picture.width + 3) & ~3;
    try {
        picture.bits.assign(static_cast<std::size_t>(stride) * picture.height, 0);
    } catch (const std::bad_alloc&) {
        return Failed(PictureProblem::kNoMemory);
    }
    image.format = PNG_FORMAT_BGR;
    const png_color white = {0xFF, 0xFF, 0xFF};
    if (!png_image_finish_read(&image, &white, picture.bits.data(), -stride, nullptr))
        return Failed(PictureProblem::kDamaged);
    return picture;
}

}  // namespace

bool PngCodec::Available() {
    return true;
}

DecodedPicture PngCodec::Decode(std::span<const std::uint8_t> file, const PictureLimits& limits) {
    if (file.size() < sizeof kSignature ||
        std::memcmp(file.data(), kSignature, sizeof kSignature) != 0)
        return Failed(PictureProblem::kNotPicture);
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size()))
        return Failed(PictureProblem::kDamaged);
    DecodedPicture picture = DecodeOpened(image, limits);
    png_image_free(&image);
    return picture;
}

std::vector<std::uint8_t> PngCodec::EncodePng(const PixelImage& picture) {
    if (!picture.bits || picture.width <= 0 || picture.height <= 0) return {};
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_BGR;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, picture.bits, -picture.stride, nullptr))
        return {};
    std::vector<std::uint8_t> file(size);
    if (!png_image_write_to_memory(&image, file.data(), &size, 0, picture.bits, -picture.stride,
                                   nullptr))
        return {};
    file.resize(size);
    return file;
}

#else

bool PngCodec::Available() {
    return false;
}

DecodedPicture PngCodec::Decode(std::span<const std::uint8_t>, const PictureLimits&) {
    DecodedPicture none;
    none.problem = PictureProblem::kNotPicture;
    return none;
}

std::vector<std::uint8_t> PngCodec::EncodePng(const PixelImage&) {
    return {};
}

#endif

}  // namespace daub
