#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace daub::test {

// A reference picture, top row first, red, green, blue and alpha per pixel, each channel
// reduced to 8 bits with rounding when the file holds 16.
struct ReferenceImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
    bool loaded = false;

    const std::uint8_t* At(int x, int y) const {
        return rgba.data() + 4 * (static_cast<std::size_t>(y) * width + x);
    }
};

// Whether reference PNGs can be read in this build.
bool CanLoadPng();
ReferenceImage LoadPng(const std::string& path);

}  // namespace daub::test
