#pragma once

#include <array>
#include <cstdint>

namespace daub {

// How the pixel array of a BMP file is encoded, as far as the decoder cares.
enum class BmpEncoding {
    Indexed,    // 1, 2, 4 or 8 bits per palette index
    Rgb24,      // blue, green, red bytes
    BitFields,  // 16 or 32 bits, channels picked out by masks
    Rle8,
    Rle4,
    Rle24,  // OS/2 2.x
};

// Why a file is not read. Each has its own message for the user.
enum class BmpRefusal {
    None,
    NotBitmap,    // not BMP data, or headers that contradict themselves
    Unsupported,  // a valid BMP kind the program does not decode (JPEG, PNG, Huffman, 64 bits)
    TooLarge,     // larger than any slot the program builds
    Damaged,      // the pixel data the headers announce is not all in the file
    NoMemory,
};

inline constexpr int kBmpFileHeaderSize = 14;
inline constexpr int kBmpPaletteCapacity = 256;

// Everything the pixel decoder needs, taken from the headers and checked against the file.
struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    BmpEncoding encoding = BmpEncoding::Rgb24;
    // Red, green and blue masks of BitFields pixels.
    std::array<std::uint32_t, 3> masks{};
    // Blue, green, red per entry. Entries past the file's table stay black, so every index a
    // pixel can hold reads a defined colour.
    std::array<std::uint8_t, 3 * kBmpPaletteCapacity> palette{};
    int paletteSize = 0;
    // Where the pixel data starts in the file, and how many bytes of it the decoder may use.
    std::uint64_t pixelOffset = 0;
    std::uint64_t pixelBytes = 0;
};

}  // namespace daub
