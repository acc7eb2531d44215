#include "imageops/spline.h"

#include <algorithm>
#include <cmath>

namespace daub {
namespace {

using Column = std::array<double, SplineTable::kMaxKnots>;

// The knots with their chord lengths summed into t; steps of no length are skipped.
void KeepDistinct(SplineTable& table, const double* x, const double* y, int n) {
    table.count = 0;
    double length = 0.0;
    for (int i = 0; i < n; ++i) {
        const int k = table.count;
        if (k > 0) {
            const double dx = x[i] - table.x[k - 1];
            const double dy = y[i] - table.y[k - 1];
            const double step = std::sqrt(dx * dx + dy * dy);
            if (!(length + step > length)) continue;
            length += step;
        }
        table.t[k] = length;
        table.x[k] = x[i];
        table.y[k] = y[i];
        table.count = k + 1;
    }
}

// t from 0 to 1; a knot whose step vanished in the division goes too. A length beyond the
// range of doubles leaves only the first point.
void Normalise(SplineTable& table) {
    if (table.count < 2) return;
    const double total = table.t[table.count - 1];
    if (!std::isfinite(total)) {
        table.count = 1;
        return;
    }
    int kept = 1;
    for (int i = 1; i < table.count; ++i) {
        const double t = table.t[i] / total;
        if (!(t > table.t[kept - 1])) continue;
        table.t[kept] = t;
        table.x[kept] = table.x[i];
        table.y[kept] = table.y[i];
        ++kept;
    }
    table.count = kept;
}

// The natural spline's tridiagonal system for the values v over t, by forward elimination
// and back substitution; z is 0 at both ends.
void SolveNatural(const SplineTable& table, const Column& v, Column& z) {
    const Column& t = table.t;
    const int n = table.count;
    z.fill(0.0);
    if (n < 3) return;
    Column h{}, d{}, e{};
    for (int i = 0; i <= n - 2; ++i) {
        h[i] = t[i + 1] - t[i];
        d[i + 1] = (v[i + 1] - v[i]) / h[i];
    }
    z[1] = d[2] - d[1] - h[0] * z[0];
    e[1] = 2.0 * (t[2] - t[0]);
    for (int i = 1; i <= n - 3; ++i) {
        const double q = h[i] / e[i];
        z[i + 1] = d[i + 2] - d[i + 1] - z[i] * q;
        e[i + 1] = 2.0 * (t[i + 2] - t[i]) - h[i] * q;
    }
    z[n - 2] -= h[n - 2] * z[n - 1];
    for (int i = n - 2; i >= 1; --i)
        z[i] = (z[i] - h[i] * z[i + 1]) / e[i];
}

double Cubic(const SplineTable& table, const Column& v, const Column& z, int i, double s) {
    const double h = table.t[i + 1] - table.t[i];
    const double c = s - table.t[i];
    return v[i] + c * ((v[i + 1] - v[i]) / h - h * (2.0 * z[i] + z[i + 1]) +
                       c * (3.0 * z[i] + c * (z[i + 1] - z[i]) / h));
}

}  // namespace

void BuildSpline(SplineTable& table, const double* x, const double* y, int n) {
    KeepDistinct(table, x, y, std::clamp(n, 0, SplineTable::kMaxKnots));
    Normalise(table);
    SolveNatural(table, table.x, table.zx);
    SolveNatural(table, table.y, table.zy);
}

SplinePoint EvaluateSpline(const SplineTable& table, double s) {
    if (table.count <= 0) return {};
    if (table.count == 1) return {table.x[0], table.y[0]};
    int lo = 0, hi = table.count - 1;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (s <= table.t[mid])
            hi = mid;
        else
            lo = mid + 1;
    }
    const int i = lo > 0 ? lo - 1 : 0;
    return {Cubic(table, table.x, table.zx, i, s), Cubic(table, table.y, table.zy, i, s)};
}

}  // namespace daub
