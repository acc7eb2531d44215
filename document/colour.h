#pragma once

#include <cstdint>
#include <cstring>

namespace daub {

// A colour as 0x00BBGGRR, red in the low byte; in pixel memory it is stored B, G, R.
using COLORREF = std::uint32_t;

// Pixels of exactly this colour on an upper layer are see-through.
inline constexpr COLORREF kTransparentColour = 0xF0E7DF;

constexpr COLORREF MakeColour(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr std::uint8_t RedOf(COLORREF c) {
    return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t GreenOf(COLORREF c) {
    return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t BlueOf(COLORREF c) {
    return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}

// Writes colour c at a pixel's three bytes (blue, green, red).
inline void StorePixel(std::uint8_t* p, COLORREF c) {
    p[0] = BlueOf(c);
    p[1] = GreenOf(c);
    p[2] = RedOf(c);
}

inline COLORREF LoadPixel(const std::uint8_t* p) {
    return (static_cast<COLORREF>(p[0]) << 16) | (static_cast<COLORREF>(p[1]) << 8) | p[2];
}

// Four bytes of pixel memory as one word, at any alignment: a pixel and the first byte of
// the next. A store writes that byte too, so the next pixel's own store must come later.
inline std::uint32_t Load32(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

inline void Store32(std::uint8_t* p, std::uint32_t v) {
    std::memcpy(p, &v, 4);
}

}  // namespace daub
