#include "imageops/spline.h"

#include <gtest/gtest.h>

#include <vector>

namespace daub {
namespace {

SplineTable Built(const std::vector<double>& x, const std::vector<double>& y) {
    SplineTable table;
    BuildSpline(table, x.data(), y.data(), static_cast<int>(x.size()));
    return table;
}

// Through (0, 0), (1, 1), (2, 0) the chords are equal, so t = 0, 1/2, 1; x is linear in t and
// y the natural cubic 3t - 4t^3 on the first half, continued past the end by the last piece.
TEST(Spline, ChordLengthNaturalCubic) {
    const SplineTable table = Built({0, 1, 2}, {0, 1, 0});
    const struct {
        double s, x, y;
    } cases[] = {
        {0.0, 0.0, 0.0}, {0.25, 0.5, 0.6875},  {0.5, 1.0, 1.0},
        {1.0, 2.0, 0.0}, {1.25, 2.5, -0.6875},
    };
    for (const auto& c : cases) {
        const SplinePoint p = EvaluateSpline(table, c.s);
        EXPECT_NEAR(p.x, c.x, 1e-12) << c.s;
        EXPECT_NEAR(p.y, c.y, 1e-12) << c.s;
    }
}

}  // namespace
}  // namespace daub
