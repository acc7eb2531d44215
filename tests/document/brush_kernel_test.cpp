#include "document/brush_kernel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "document/layer_stack.h"

namespace daub {
namespace {

constexpr int kC = BrushKernel::kCentre;

// Weight at offset (dx, dy) from the centre.
float WeightAt(const BrushKernel& k, int dx, int dy) {
    return k.At(kC + dy, kC + dx);
}

int CountPainted(const BrushKernel& k) {
    int n = 0;
    for (float w : k.weights)
        n += w >= 0.0f;
    return n;
}

TEST(BrushKernel, NewStackHasTheDefaultBrush) {
    const LayerStack stack(6);
    const BrushKernel& k = stack.brushKernel;
    EXPECT_EQ(k.radius, 10.0);
    EXPECT_EQ(k.density, 500.0);
    EXPECT_EQ(k.distribution, 3.0);
    struct Case {
        int dx, dy;
        float weight;
    };
    const Case cases[] = {
        {1, 0, 500.0f},
        {0, -1, 500.0f},
        {2, 0, 62.5f},
        {0, 0, static_cast<float>(500.0 / std::pow(std::sqrt(2.0), 3.0))},  // about 176.8
        {-1, -1, static_cast<float>(500.0 / std::pow(std::sqrt(2.0), 3.0))},
        {3, 4, 4.0f},                                                        // r = 5
        {9, 4, static_cast<float>(500.0 / std::pow(std::sqrt(97.0), 3.0))},  // r just under 10
        {6, 8, -1.0f},                                                       // r = 10: at the edge
        {10, 0, -1.0f},
        {-32, -32, -1.0f},
        {32, 32, -1.0f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(WeightAt(k, c.dx, c.dy), c.weight) << c.dx << "," << c.dy;
    EXPECT_NEAR(WeightAt(k, 0, 0), 176.8f, 0.05f);
}

TEST(BrushKernel, SettingsShapeTheDisc) {
    struct Case {
        const char* name;
        double radius, density, distribution;
        int painted;              // entries with a weight
        float centre, neighbour;  // at (0, 0) and (1, 0)
        float diagonal, at32;     // at (1, 1) and (32, 0)
    };
    const Case cases[] = {
        {"radius 1 paints nothing", 1.0, 500.0, 3.0, 0, -1.0f, -1.0f, -1.0f, -1.0f},
        {"radius below 1 paints nothing", 0.5, 500.0, 3.0, 0, -1.0f, -1.0f, -1.0f, -1.0f},
        {"radius 1.2: the four neighbours only", 1.2, 7.0, 3.0, 4, -1.0f, 7.0f, -1.0f, -1.0f},
        {"distribution 0 is a flat disc", 5.0, 40.0, 0.0, 69, 40.0f, 40.0f, 40.0f, -1.0f},
        {"radius 40 leaves only the far corners out", 40.0, 3.5, 0.1, 65 * 65 - 152,
         static_cast<float>(3.5 / std::pow(std::sqrt(2.0), 0.1)), 3.5f,
         static_cast<float>(3.5 / std::pow(std::sqrt(2.0), 0.1)),
         static_cast<float>(3.5 / std::pow(32.0, 0.1))},
    };
    for (const Case& c : cases) {
        BrushKernel k;
        ComputeKernel(k, c.radius, c.density, c.distribution);
        EXPECT_EQ(k.radius, c.radius) << c.name;
        EXPECT_EQ(k.density, c.density) << c.name;
        EXPECT_EQ(k.distribution, c.distribution) << c.name;
        EXPECT_EQ(CountPainted(k), c.painted) << c.name;
        EXPECT_FLOAT_EQ(WeightAt(k, 0, 0), c.centre) << c.name;
        EXPECT_FLOAT_EQ(WeightAt(k, 1, 0), c.neighbour) << c.name;
        EXPECT_FLOAT_EQ(WeightAt(k, 1, 1), c.diagonal) << c.name;
        EXPECT_FLOAT_EQ(WeightAt(k, 32, 0), c.at32) << c.name;
    }
}

TEST(BrushKernel, RecomputingReplacesEveryWeight) {
    BrushKernel k;
    ComputeKernel(k, 30.0, 4000.0, 1.2);
    ComputeKernel(k, 5.0, 4000.0, 3.2);
    EXPECT_EQ(WeightAt(k, 10, 0), -1.0f);  // inside the old brush, outside the new one
    EXPECT_FLOAT_EQ(WeightAt(k, 2, 0), static_cast<float>(4000.0 / std::pow(2.0, 3.2)));
}

TEST(BrushKernel, WeightsBeyondTheFloatRangeStayFinite) {
    BrushKernel k;
    ComputeKernel(k, 10.0, 1e300, 0.0);
    EXPECT_EQ(WeightAt(k, 1, 0), std::numeric_limits<float>::max());
    EXPECT_EQ(WeightAt(k, 0, 0), std::numeric_limits<float>::max());
}

}  // namespace
}  // namespace daub
