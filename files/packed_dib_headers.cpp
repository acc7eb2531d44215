#include "files/packed_dib_headers.h"

#include <algorithm>
#include <array>

namespace daub {

// A file header of the reader's own goes in front, its pixel offset 0: the pixels are then
// looked for right after the colour table, where a packed DIB keeps them.
BmpParseResult ParsePackedDib(std::span<const std::uint8_t> dib) {
    std::array<std::uint8_t, kBmpHeadBytes> head{'B', 'M'};
    const std::size_t held = std::min(dib.size(), head.size() - kBmpFileHeaderSize);
    std::copy_n(dib.begin(), held, head.begin() + kBmpFileHeaderSize);
    BmpParseResult parsed = ParseBmpHeaders(std::span(head).first(kBmpFileHeaderSize + held),
                                            kBmpFileHeaderSize + std::uint64_t{dib.size()});
    if (parsed.refusal == BmpRefusal::None) parsed.layout.pixelOffset -= kBmpFileHeaderSize;
    return parsed;
}

}  // namespace daub
