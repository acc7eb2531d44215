#include "imageops/blur_sums.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace daub {
namespace {

// The table's multiply-and-shift must give the truncated quotient for every count it holds,
// at the sums where rounding errors would show first: just below and at each multiple.
TEST(MeanDivider, TableQuotientsAreExact) {
    const MeanDivider divider(MeanDivider::kMaxTableCount, MeanDivider::kMaxTableCount);
    ASSERT_EQ(divider.TableSize(), MeanDivider::kMaxTableCount + 1);
    for (std::uint32_t n = 1; n <= MeanDivider::kMaxTableCount; ++n) {
        for (std::uint32_t q : {1u, 2u, 127u, 128u, 254u, 255u}) {
            for (std::uint32_t s : {q * n - 1, q * n, 255 * n}) {
                std::uint8_t out[3];
                MeanDivider::Mean(divider.Table(), divider.TableSize(), s, s, s, n, out);
                ASSERT_EQ(out[0], s / n) << s << " / " << n;
            }
        }
    }
}

TEST(MeanDivider, SmallJobsAndHugeWindowsDivideDirectly) {
    EXPECT_EQ(MeanDivider(100, 99).TableSize(), 0u);
    EXPECT_EQ(MeanDivider(MeanDivider::kMaxTableCount + 1, 1 << 30).TableSize(), 0u);
    std::uint8_t out[3];
    MeanDivider::Mean<std::uint64_t>(nullptr, 0, 255ull * 70000, 7ull * 70000 + 69999, 0, 70000,
                                     out);
    EXPECT_EQ(out[0], 255);
    EXPECT_EQ(out[1], 7);
    EXPECT_EQ(out[2], 0);
}

// Rows taken out again leave the sums as if they had never been added, and only pixels of
// exactly the excluded colour (in B, G, R order) are counted, up to the last one of a row.
TEST(ColumnSums, SlideAddsAndRemovesRowsExactly) {
    constexpr int kWidth = 5;
    // 0x123456 is stored as the bytes 12 34 56; 56 34 12 and 12 34 57 are other colours.
    const std::uint8_t rows[3][3 * kWidth] = {
        {0x56, 0x34, 0x12, 1, 2, 3, 0x12, 0x34, 0x56, 9, 9, 9, 0x56, 0x34, 0x12},
        {255, 255, 255, 0x12, 0x34, 0x56, 0x12, 0x34, 0x57, 0, 0, 0, 7, 8, 9},
        {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 0x12, 0x34, 0x56}};
    ColumnSums sums(1, kWidth, 0x123456);
    sums.Add(rows[0]);
    sums.Add(rows[1]);
    sums.Slide(rows[2], rows[0]);
    const std::uint32_t channels[4][3] = {{0x12 + 40, 0x34 + 50, 0x56 + 60},
                                          {0x12 + 70, 0x34 + 80, 0x57 + 90},
                                          {0 + 100, 0 + 110, 0 + 120},
                                          {7 + 0x12, 8 + 0x34, 9 + 0x56}};
    const std::uint32_t excluded[4] = {1, 0, 0, 1};
    for (int column = 1; column < kWidth; ++column) {
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(sums.Channels(column)[c], channels[column - 1][c]) << column;
        EXPECT_EQ(*sums.Excluded(column), excluded[column - 1]) << column;
    }
    sums.Remove(rows[1]);
    sums.Remove(rows[2]);
    for (int column = 1; column < kWidth; ++column) {
        EXPECT_EQ(sums.Channels(column)[0], 0u);
        EXPECT_EQ(*sums.Excluded(column), 0u);
    }
}

}  // namespace
}  // namespace daub
