#include "document/pixel_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace daub {
namespace {

#if defined(__SSE2__)
// Streaming stores need 16-byte aligned targets: the bytes before the first boundary and
// after the last are copied apart, and nothing outside the range may change.
TEST(StreamCopy, CopiesExactlyTheRangeAtEveryAlignment) {
    std::vector<std::uint8_t> source(200);
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<std::uint8_t>(i * 7 + 1);
    for (std::size_t offset = 0; offset < 16; ++offset) {
        for (std::size_t bytes : {0u, 1u, 15u, 16u, 17u, 47u, 100u}) {
            alignas(16) std::uint8_t target[160] = {};
            simd::StreamCopy(target + offset, source.data() + 3, bytes);
            simd::Fence();
            for (std::size_t i = 0; i < sizeof target; ++i) {
                const bool inside = i >= offset && i < offset + bytes;
                ASSERT_EQ(target[i], inside ? source[3 + i - offset] : 0)
                    << "offset " << offset << ", " << bytes << " bytes, at " << i;
            }
        }
    }
}
#endif

}  // namespace
}  // namespace daub
