#pragma once

#include <array>

namespace daub {

// The soft brush's table of weights: entry (row, col) is the weight for the offset
// (col - 32, row - 32) from the dab centre; a negative weight lies outside the brush.
struct BrushKernel {
    static constexpr int kSide = 65;
    static constexpr int kCentre = 32;

    std::array<float, kSide * kSide> weights{};
    double radius = 10.0;
    double density = 500.0;
    double distribution = 3.0;

    BrushKernel() { weights.fill(-1.0f); }
    float At(int row, int col) const { return weights[row * kSide + col]; }
    float& At(int row, int col) { return weights[row * kSide + col]; }
};

}  // namespace daub
