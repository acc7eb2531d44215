#include "imageops/transform_slot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <vector>

#include "document/geometry.h"
#include "tests/tools/test_canvas.h"

namespace daub {
namespace {

using test::TestCanvas;

struct Params {
    double angle = 0.0, scaleX = 1.0, scaleY = 1.0;
    int centreX = kSlotMiddle, centreY = kSlotMiddle, smooth = 0;
};

// The plain per-pixel formula: every source point from the whole formula.
std::vector<std::uint8_t> PlainTransform(const TestCanvas& canvas, int slot, COLORREF fill,
                                         const Params& p) {
    std::vector<std::uint8_t> out = canvas.Bytes(slot);
    const ConstSlotView src = canvas.View(slot);
    const int w = src.width, h = src.height;
    if (p.scaleX == 1.0 && p.scaleY == 1.0 && p.angle == 0.0) return out;
    const double kx = 1 / (p.scaleX == 0.0 ? 0.01 : p.scaleX);
    const double ky = 1 / (p.scaleY == 0.0 ? 0.01 : p.scaleY);
    const double t = p.angle * 6.2831853 * 0.002777777777777778;
    const double d = t != 0.0 ? 0.0017453292500000002 : 0.0;
    const int cx = p.centreX < 0 ? w / 2 : p.centreX, cy = p.centreY < 0 ? h / 2 : p.centreY;
    using Pt = std::pair<double, double>;
    const auto source = [&](double a, int x, int y) {
        const int u = x - cx, v = y - cy;
        return Pt{std::trunc(cx + u * std::cos(a) * kx + v * std::sin(a) * ky),
                  std::trunc(cy + v * std::cos(a) * ky - u * std::sin(a) * kx)};
    };
    const auto in = [&](Pt q) {
        return q.first >= 0 && q.first < w && q.second >= 0 && q.second < h;
    };
    const auto s = [&](Pt q, int c) -> int { return src.At(int(q.first), int(q.second))[c]; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint8_t* o = out.data() + src.Offset(x, y);
            StorePixel(o, fill);
            const auto [X, Y] = source(t, x, y);
            if (!in({X, Y})) continue;
            if (!p.smooth) std::copy_n(src.At(int(X), int(Y)), 3, o);
            if (p.smooth && (kx != 1 || ky != 1) && in({X - 1, Y}) && in({X + 1, Y}) &&
                in({X, Y - 1}) && in({X, Y + 1}))
                for (int c = 0; c < 3; ++c)
                    o[c] = (s({X, Y}, c) + s({X - 1, Y}, c) + s({X + 1, Y}, c) + s({X, Y - 1}, c) +
                            s({X, Y + 1}, c)) /
                           5;
            const Pt p1 = source(t - d, x, y), p2 = source(t + d, x, y);
            if (p.smooth && t != 0 && in(p1) && in(p2))
                for (int c = 0; c < 3; ++c)
                    o[c] = (s(p1, c) + s({X, Y}, c) + s(p2, c)) / 3;
        }
    }
    return out;
}

TEST(TransformSlot, MatchesThePlainFormulaOnRandomPictures) {
    std::mt19937 rng(7);
    const double angles[] = {0.0, 90.0, -180.0, 45.0, 360.0};
    const double scales[] = {0.0, 0.01, 0.5, 1.0, 1.0, 2.0, 3.7};
    for (int i = 0; i < 300; ++i) {
        const int w = 1 + static_cast<int>(rng() % 23), h = 1 + static_cast<int>(rng() % 23);
        TestCanvas canvas(w, h);
        canvas.Randomise(5, rng, i % 2 ? 0 : 3);
        Params p;
        p.angle =
            rng() % 2 ? angles[rng() % 5] : std::uniform_real_distribution(-360.0, 360.0)(rng);
        p.scaleX = rng() % 2 ? scales[rng() % 7] : std::uniform_real_distribution(0.01, 4.0)(rng);
        p.scaleY = rng() % 3 ? p.scaleX : scales[rng() % 7];
        if (rng() % 3 == 0) p.centreX = static_cast<int>(rng() % (w + 4)), p.centreY = 0;
        p.smooth = static_cast<int>(rng() % 2);
        const auto want = PlainTransform(canvas, 5, kTransparentColour, p);
        TransformSlot(canvas.stack, kTransparentColour, 5, p.angle, p.scaleX, p.scaleY, p.centreX,
                      p.centreY, p.smooth, 0);
        ASSERT_EQ(canvas.Bytes(5), want) << i << ": " << w << "x" << h << " " << p.angle << "° "
                                         << p.scaleX << " " << p.scaleY << " smooth " << p.smooth;
    }
}

// On a 100 x 80 picture whose pixels name their place, where a result pixel comes from.
TEST(TransformSlot, TurnsClockwiseStretchesAboutTheMiddleAndSmoothsInsideOnly) {
    struct Probe {
        Point at;
        std::optional<Point> from;  // none: transparentColour
    };
    const struct Case {
        const char* name;
        Params p;
        std::vector<Probe> probes;
        Rect clear;  // all transparentColour
    } cases[] = {
        {"90°", {90, 1, 1}, {{{50, 0}, Point{10, 39}}, {{11, 40}, Point{49, 79}}}, {0, 0, 10, 80}},
        {"200 %", {0, 2, 2}, {{{0, 0}, Point{25, 20}}, {{99, 79}, Point{74, 59}}}, {}},
        {"50 %",
         {0, 0.5, 0.5},
         {{{25, 20}, Point{0, 0}}, {{74, 59}, Point{98, 78}}},
         {0, 0, 100, 20}},
        {"50 % smoothed",
         {0, 0.5, 0.5, -1, -1, 1},
         {{{25, 20}, {}}, {{26, 21}, Point{2, 2}}},
         {0, 60, 100, 20}},
        {"90° smoothed",
         {90, 1, 1, -1, -1, 1},
         {{{10, 0}, {}}, {{50, 40}, Point{50, 40}}},
         {0, 0, 10, 80}},
    };
    for (const Case& c : cases) {
        TestCanvas canvas(100, 80);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 100; ++x)
                canvas.Set(5, x, y, MakeColour(x, y, 7));
        TransformSlot(canvas.stack, kTransparentColour, 5, c.p.angle, c.p.scaleX, c.p.scaleY,
                      c.p.centreX, c.p.centreY, c.p.smooth, 0);
        for (const Probe& probe : c.probes) {
            const COLORREF want =
                probe.from ? MakeColour(probe.from->x, probe.from->y, 7) : kTransparentColour;
            EXPECT_EQ(canvas.Get(5, probe.at.x, probe.at.y), want)
                << c.name << " at " << probe.at.x << "," << probe.at.y;
        }
        const auto clear = canvas.PixelsOf(5, kTransparentColour);
        for (const auto& point : test::Block(c.clear.x, c.clear.y, c.clear.x + c.clear.width - 1,
                                             c.clear.y + c.clear.height - 1))
            EXPECT_TRUE(clear.count(point)) << c.name << " " << point.first << "," << point.second;
    }
}

}  // namespace
}  // namespace daub
