#include "document/brush_kernel.h"

#include <cmath>
#include <limits>

namespace daub {

void ComputeKernel(BrushKernel& kernel, double radius, double density, double distribution) {
    kernel.radius = radius;
    kernel.density = density;
    kernel.distribution = distribution;
    constexpr int kSide = BrushKernel::kSide;
    constexpr int kCentre = BrushKernel::kCentre;
    // A weight past the float range (a huge density over a tiny power) is kept at the float
    // limit rather than converted out of range; a dab caps every weight at 255 anyway.
    constexpr double kLimit = std::numeric_limits<float>::max();
    for (int row = 0; row < kSide; ++row) {
        for (int col = 0; col < kSide; ++col) {
            const double dx = col - kCentre, dy = row - kCentre;
            const double r = std::sqrt(dx * dx + dy * dy);
            float& entry = kernel.At(row, col);
            entry = -1.0f;
            if (r == 0.0) {
                entry = kernel.At(row - 1, col - 1);  // computed already: rows run first
            } else if (r < radius) {
                const double weight = density / std::pow(r, distribution);
                entry = static_cast<float>(weight > kLimit    ? kLimit
                                           : weight < -kLimit ? -kLimit
                                                              : weight);
            }
        }
    }
}

}  // namespace daub
