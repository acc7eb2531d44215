// Any bytes offered on the clipboard as a packed DIB, decoded as the clipboard reader does.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "document/slot_format.h"
#include "files/bmp_decoder.h"
#include "files/packed_dib_headers.h"
#include "tests/fuzz/fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> dib(data, size);
    const daub::BmpParseResult parsed = daub::ParsePackedDib(dib);
    if (parsed.refusal != daub::BmpRefusal::None || !daub::fuzz::SmallEnough(parsed.layout))
        return 0;
    const daub::BmpLayout& layout = parsed.layout;
    const int stride = daub::RowStride(layout.width);
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * layout.height);
    daub::DecodeBmpPixels(layout, dib.subspan(layout.pixelOffset, layout.pixelBytes), bits.data(),
                          stride);
    return 0;
}
