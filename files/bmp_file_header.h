#pragma once

#include <array>
#include <cstdint>

namespace daub {

inline constexpr int kBmpWrittenHeaderSize = 54;
inline constexpr std::int32_t kBmpPixelsPerMetre = 4740;

// The header of every file the program writes: a 24-bit bottom-up picture right after it,
// 4740 pixels per metre both ways whatever the file it came from said.
std::array<std::uint8_t, kBmpWrittenHeaderSize> MakeBmpFileHeader(int width, int height);

}  // namespace daub
