#pragma once

#include <array>

namespace daub {

struct SplinePoint {
    double x = 0.0;
    double y = 0.0;
};

// A chord-length parametric natural cubic spline through up to 64 points: the parameter t
// runs from 0 at the first point to 1 at the last, in proportion to the distance along the
// polygon, and x(t) and y(t) are cubics with zero second derivative at both ends. z holds a
// sixth of the second derivative at each knot.
struct SplineTable {
    static constexpr int kMaxKnots = 64;
    int count = 0;  // the knots kept
    std::array<double, kMaxKnots> t{}, x{}, y{}, zx{}, zy{};
};

// The table through the first n points (at most 64). A point that lies where the one before
// it lies (a step of no length) is left out, so that every interval has a length and nothing
// divides by zero; points that all lie in one place make a spline that stays there.
void BuildSpline(SplineTable& table, const double* x, const double* y, int n);

// The point at parameter s; beyond 0 and 1 the cubic of the nearest interval goes on.
SplinePoint EvaluateSpline(const SplineTable& table, double s);

}  // namespace daub
