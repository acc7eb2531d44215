#pragma once

#include <array>

namespace daub {

struct BrushKernel;

// Stores the three settings and recomputes every weight: a / r^b for an offset at distance
// 0 < r < radius, -1 (not painted) at or beyond it, and the centre, where r^b has no finite
// value, takes the weight of its diagonal neighbour at distance sqrt(2).
void ComputeKernel(BrushKernel& kernel, double radius, double density, double distribution);

// The soft brush's table of weights: entry (row, col) is the weight for the offset
// (col - 32, row - 32) from the dab centre; a negative weight lies outside the brush.
struct BrushKernel {
    static constexpr int kSide = 65;
    static constexpr int kCentre = 32;
    static constexpr double kDefaultRadius = 10.0;
    static constexpr double kDefaultDensity = 500.0;
    static constexpr double kDefaultDistribution = 3.0;

    std::array<float, kSide * kSide> weights{};
    double radius = kDefaultRadius;
    double density = kDefaultDensity;
    double distribution = kDefaultDistribution;

    // A new stack paints with the default brush at once.
    BrushKernel() { ComputeKernel(*this, kDefaultRadius, kDefaultDensity, kDefaultDistribution); }
    float At(int row, int col) const { return weights[row * kSide + col]; }
    float& At(int row, int col) { return weights[row * kSide + col]; }
};

}  // namespace daub
