#pragma once

#include <cstdint>
#include <span>

#include "files/bmp_headers.h"

namespace daub {

// The headers of a packed DIB, the form in which the clipboard holds a picture (CF_DIB,
// CF_DIBV5): an information header of any version, then masks, colour table and pixels, with
// no file header. They are checked exactly as a file's are, against the DIB's own length;
// the layout's pixelOffset counts from the DIB's first byte.
BmpParseResult ParsePackedDib(std::span<const std::uint8_t> dib);

}  // namespace daub
