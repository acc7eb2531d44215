#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "files/bmp_decoder.h"
#include "files/file_path.h"
#include "platform/headless/headless_platform.h"

namespace daub {
namespace {

// The program's bitmaps are a few kilobytes; anything far larger is not one of them.
constexpr std::uintmax_t kLargestBitmapFile = 16 * 1024 * 1024;

std::optional<std::vector<std::uint8_t>> ReadSmallFile(const std::string& path) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const std::streamoff length = in.tellg();
    if (length < 0 || static_cast<std::uintmax_t>(length) > kLargestBitmapFile) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), length);
    if (in.gcount() != length) return std::nullopt;
    return bytes;
}

}  // namespace

std::string HeadlessPlatform::BuiltResourceFolder() {
#ifdef DAUBIX_BUILT_RESOURCES
    return DAUBIX_BUILT_RESOURCES;
#else
    return {};
#endif
}

std::optional<LoadedBitmap> HeadlessPlatform::LoadBitmapResource(const std::string& name) {
    const FileResource* resource = resources_ ? resources_->File("BITMAP", name) : nullptr;
    if (!resource || resourceFolder.empty()) return std::nullopt;
    const auto file = ReadSmallFile(resourceFolder + "/" + resource->file);
    if (!file) return std::nullopt;
    const DecodedBmp decoded = DecodeBmp(*file);
    if (decoded.refusal != BmpRefusal::None) return std::nullopt;
    LoadedBitmap bitmap{decoded.width, decoded.height, {}};
    bitmap.bits.assign(decoded.pixels.get(),
                       decoded.pixels.get() + static_cast<std::size_t>(decoded.stride) *
                                                  static_cast<std::size_t>(decoded.height));
    return bitmap;
}

}  // namespace daub
