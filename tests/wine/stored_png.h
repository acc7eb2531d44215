// A PNG written without compression (stored deflate blocks), so the checker can hand the
// program a picture it did not make with the system's own encoder.
#pragma once

#include <cstdint>
#include <vector>

// rgb: width * height pixels, top row first, three bytes (red, green, blue) each.
std::vector<std::uint8_t> StoredPng(int width, int height, const std::vector<std::uint8_t>& rgb);
