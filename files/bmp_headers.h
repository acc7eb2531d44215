#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "files/bmp_layout.h"

namespace daub {

// The first bytes of a file that hold every header, bit-field mask and colour table the
// reader looks at: file header, the largest information header (V5), four masks after a
// 40-byte header and a 256-entry table.
inline constexpr std::size_t kBmpHeadBytes = kBmpFileHeaderSize + 124 + 16 + 4 * 256;

struct BmpParseResult {
    BmpRefusal refusal = BmpRefusal::None;
    BmpLayout layout;
};

// Reads the headers from head, the file's first min(fileLength, kBmpHeadBytes) bytes or more,
// and checks them against the file's length. Nothing in the headers is trusted: bfSize and
// biSizeImage are ignored, and every offset and count is checked before it is used.
BmpParseResult ParseBmpHeaders(std::span<const std::uint8_t> head, std::uint64_t fileLength);

// Bytes per row of an uncompressed pixel array: padded to a multiple of four.
std::uint64_t BmpSourceStride(const BmpLayout& layout);

}  // namespace daub
