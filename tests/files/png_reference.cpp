#include "tests/files/png_reference.h"

#if DAUBIX_HAVE_PNG
#include <png.h>

#include <cstdio>
#include <memory>
#endif

namespace daub::test {

#if DAUBIX_HAVE_PNG

namespace {

struct PngReader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
};

std::uint8_t To8Bits(const png_bytep p, int depth) {
    if (depth == 8) return p[0];
    const unsigned v = (p[0] << 8) | p[1];
    return static_cast<std::uint8_t>((v * 255u + 32767u) / 65535u);
}

}  // namespace

bool CanLoadPng() {
    return true;
}

ReferenceImage LoadPng(const std::string& path) {
    ReferenceImage image;
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return image;
    PngReader r;
    r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!r.png) return image;
    r.info = png_create_info_struct(r.png);
    if (!r.info || setjmp(png_jmpbuf(r.png))) return image;
    png_init_io(r.png, file.get());
    // Palettes, grey levels and transparency chunks become plain RGBA samples.
    png_read_png(r.png, r.info, PNG_TRANSFORM_EXPAND | PNG_TRANSFORM_GRAY_TO_RGB, nullptr);
    image.width = static_cast<int>(png_get_image_width(r.png, r.info));
    image.height = static_cast<int>(png_get_image_height(r.png, r.info));
    const int depth = png_get_bit_depth(r.png, r.info);
    const int channels = png_get_channels(r.png, r.info);
    const int sampleBytes = depth / 8;
    png_bytepp rows = png_get_rows(r.png, r.info);
    image.rgba.resize(4 * static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            png_bytep px = rows[y] + static_cast<std::size_t>(x) * channels * sampleBytes;
            std::uint8_t* out =
                image.rgba.data() + 4 * (static_cast<std::size_t>(y) * image.width + x);
            for (int c = 0; c < 3; ++c)
                out[c] = To8Bits(px + c * sampleBytes, depth);
            out[3] = channels == 4 ? To8Bits(px + 3 * sampleBytes, depth) : 255;
        }
    }
    image.loaded = true;
    return image;
}

#else

bool CanLoadPng() {
    return false;
}

ReferenceImage LoadPng(const std::string&) {
    return {};
}

#endif

}  // namespace daub::test
