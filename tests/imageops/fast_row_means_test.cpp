#include "imageops/fast_row_means.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace daub {
namespace {

// Single precision must give the truncated quotient for every count a fast window holds, at
// the sums where rounding would show first: just below and at each multiple, and the top.
TEST(FastRowMeans, MeansAreExactTruncatedQuotients) {
    for (std::uint32_t n = 1; n <= FastRowMeans::kMaxCount; ++n) {
        const float inverse = 1.0f / static_cast<float>(n);
        for (std::uint32_t q = 1; q <= 255; ++q) {
            ASSERT_EQ(MeanOf(q * n - 1, inverse), q - 1) << q * n - 1 << " / " << n;
            ASSERT_EQ(MeanOf(q * n, inverse), q) << q * n << " / " << n;
        }
        ASSERT_EQ(MeanOf(0, inverse), 0) << n;
    }
}

}  // namespace
}  // namespace daub
