// Any bytes opened as a BMP file: refused with a reason or decoded, never read or written
// out of bounds.
#include <cstddef>
#include <cstdint>
#include <span>

#include "files/bmp_decoder.h"
#include "tests/fuzz/fuzz_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const daub::BmpParseResult parsed = daub::ParseBmpHeaders(file, size);
    if (parsed.refusal == daub::BmpRefusal::None && !daub::fuzz::SmallEnough(parsed.layout))
        return 0;
    daub::DecodeBmp(file);
    return 0;
}
