#include "imageops/transform_slot.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "document/slot_view.h"

namespace daub {
namespace {

// Degrees become radians with this 2π, and the smoothing samples lie a tenth of a degree
// either side; pictures transformed before must come out the same.
constexpr double kTurn = 6.2831853;
constexpr double kPerDegree = 0.002777777777777778;
constexpr double kSmoothingStep = 0.0017453292500000002;

// Where every destination pixel takes its source for one angle, split into a column part and
// a row part: X = columnX[x] + rowX[y], Y = rowY[y] - columnY[x]. Each part is computed in the
// order of the whole formula, so the sums equal a pixel-by-pixel evaluation to the last bit.
struct SourceGrid {
    std::vector<double> columnX, columnY, rowX, rowY;
};

struct Geometry {
    double kx, ky;
    int centreX, centreY;
    int width, height;
};

SourceGrid MakeGrid(double theta, const Geometry& g) {
    const double c = std::cos(theta), s = std::sin(theta);
    SourceGrid grid;
    grid.columnX.resize(static_cast<std::size_t>(g.width));
    grid.columnY.resize(static_cast<std::size_t>(g.width));
    grid.rowX.resize(static_cast<std::size_t>(g.height));
    grid.rowY.resize(static_cast<std::size_t>(g.height));
    for (int x = 0; x < g.width; ++x) {
        const double u = static_cast<double>(x) - g.centreX;
        grid.columnX[x] = g.centreX + u * c * g.kx;
        grid.columnY[x] = u * s * g.kx;
    }
    for (int y = 0; y < g.height; ++y) {
        const double v = static_cast<double>(y) - g.centreY;
        grid.rowX[y] = v * s * g.ky;
        grid.rowY[y] = g.centreY + v * c * g.ky;
    }
    return grid;
}

// The source picture, kept aside while the slot is rewritten.
struct Source {
    const std::uint8_t* bits;
    int width, height, stride;

    // Truncated toward zero, (x, y) lies inside exactly when -1 < x < width and likewise y;
    // testing before converting keeps any value, however far out, from overflowing int.
    bool Find(double x, double y, int& sx, int& sy) const {
        if (!(x > -1.0 && x < width && y > -1.0 && y < height)) return false;
        sx = static_cast<int>(x);
        sy = static_cast<int>(y);
        return true;
    }
    const std::uint8_t* Pixel(int sx, int sy) const {
        return bits + static_cast<std::size_t>(height - 1 - sy) * stride + 3 * sx;
    }
    const std::uint8_t* At(double x, double y) const {
        int sx, sy;
        return Find(x, y, sx, sy) ? Pixel(sx, sy) : nullptr;
    }
    bool Surrounded(int sx, int sy) const {
        return sx > 0 && sy > 0 && sx + 1 < width && sy + 1 < height;
    }
};

// The destination is walked in square tiles: a turned picture is read along slanted lines,
// and within a tile the source rows read are few enough to stay in the caches.
constexpr int kTile = 64;

template <class PixelAction>
void ForEachPixelInTiles(const SlotView& out, PixelAction&& action) {
    for (int top = 0; top < out.height; top += kTile) {
        const int bottom = std::min(top + kTile, out.height);
        for (int left = 0; left < out.width; left += kTile) {
            const int right = std::min(left + kTile, out.width);
            for (int y = top; y < bottom; ++y) {
                std::uint8_t* row = out.At(0, y);
                for (int x = left; x < right; ++x)
                    action(row + 3 * x, x, y);
            }
        }
    }
}

void TransformPlain(const SlotView& out, const Source& in, const SourceGrid& grid,
                    const std::uint8_t* fill) {
    ForEachPixelInTiles(out, [&](std::uint8_t* pixel, int x, int y) {
        const std::uint8_t* p =
            in.At(grid.columnX[x] + grid.rowX[y], grid.rowY[y] - grid.columnY[x]);
        std::memcpy(pixel, p ? p : fill, 3);
    });
}

// The five-point average of a stretch: the pixel and its neighbours left, right, above and
// below (rows are stored bottom-up, so the one above lies a stride further on).
void AverageFive(std::uint8_t* out, const std::uint8_t* p, std::ptrdiff_t stride) {
    for (int c = 0; c < 3; ++c)
        out[c] = static_cast<std::uint8_t>(
            (p[c] + p[c - 3] + p[c + 3] + p[c + stride] + p[c - stride]) / 5);
}

void AverageThree(std::uint8_t* out, const std::uint8_t* a, const std::uint8_t* b,
                  const std::uint8_t* c) {
    for (int i = 0; i < 3; ++i)
        out[i] = static_cast<std::uint8_t>((a[i] + b[i] + c[i]) / 3);
}

// The three grids of a smoothed transform: the angle itself and the two samples beside it.
struct SmoothGrids {
    const SourceGrid& at;
    const SourceGrid* before;  // null when there is no rotation
    const SourceGrid* after;
    bool stretch;
};

// A pixel whose samples do not all fall inside the picture keeps the fill colour.
void SmoothPixel(std::uint8_t* out, const Source& in, const SmoothGrids& g, int x, int y,
                 const std::uint8_t* fill) {
    std::memcpy(out, fill, 3);
    int sx, sy;
    if (!in.Find(g.at.columnX[x] + g.at.rowX[y], g.at.rowY[y] - g.at.columnY[x], sx, sy)) return;
    const std::uint8_t* p = in.Pixel(sx, sy);
    if (g.stretch && in.Surrounded(sx, sy)) AverageFive(out, p, in.stride);
    if (!g.before) return;
    const std::uint8_t* p1 =
        in.At(g.before->columnX[x] + g.before->rowX[y], g.before->rowY[y] - g.before->columnY[x]);
    const std::uint8_t* p2 =
        in.At(g.after->columnX[x] + g.after->rowX[y], g.after->rowY[y] - g.after->columnY[x]);
    if (p1 && p2) AverageThree(out, p1, p, p2);
}

void TransformSmooth(const SlotView& out, const Source& in, const SmoothGrids& grids,
                     const std::uint8_t* fill) {
    ForEachPixelInTiles(
        out, [&](std::uint8_t* pixel, int x, int y) { SmoothPixel(pixel, in, grids, x, y, fill); });
}

}  // namespace

bool TransformSlot(LayerStack& stack, COLORREF fillColour, int slot, double angleDegrees,
                   double scaleX, double scaleY, int centreX, int centreY, int smooth,
                   int formatEntry) {
    const SlotView view = ViewOf(stack, slot, formatEntry);
    if (!view || (scaleX == 1.0 && scaleY == 1.0 && angleDegrees == 0.0)) return true;
    if (scaleX == 0.0) scaleX = 0.01;
    if (scaleY == 0.0) scaleY = 0.01;
    const Geometry geometry{1.0 / scaleX,
                            1.0 / scaleY,
                            centreX < 0 ? view.width / 2 : centreX,
                            centreY < 0 ? view.height / 2 : centreY,
                            view.width,
                            view.height};
    const double theta = angleDegrees * kTurn * kPerDegree;
    std::unique_ptr<std::uint8_t[]> copy(new (std::nothrow) std::uint8_t[view.ByteSize()]);
    if (!copy) return false;
    std::memcpy(copy.get(), view.bits, view.ByteSize());
    const Source source{copy.get(), view.width, view.height, view.stride};
    std::uint8_t fill[3];
    StorePixel(fill, fillColour);
    const SourceGrid at = MakeGrid(theta, geometry);
    if (smooth == 0) {
        TransformPlain(view, source, at, fill);
        return true;
    }
    const bool turn = theta != 0.0;
    const SourceGrid before = turn ? MakeGrid(theta - kSmoothingStep, geometry) : SourceGrid{};
    const SourceGrid after = turn ? MakeGrid(theta + kSmoothingStep, geometry) : SourceGrid{};
    const bool stretch = geometry.kx != 1.0 || geometry.ky != 1.0;
    TransformSmooth(view, source, {at, turn ? &before : nullptr, turn ? &after : nullptr, stretch},
                    fill);
    return true;
}

}  // namespace daub
