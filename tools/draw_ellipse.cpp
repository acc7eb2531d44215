#include "tools/draw_ellipse.h"

#include <cstdint>
#include <cstdlib>

#include "tools/stamp_block.h"

namespace daub {
namespace {

// True when the offsets +-d from centre c land outside the reach on both sides; as d only
// grows from here on, they stay outside.
bool BothSidesOut(std::int64_t c, std::int64_t d, CentreSpan reach) {
    return c + d > reach.last && c - d < reach.first;
}

}  // namespace

void DrawEllipse(LayerStack& stack, COLORREF colour, int cx, int cy, int rx, int ry, int w, int h,
                 int targetSlot, int sourceSlot) {
    if (rx == 0 || ry == 0) return;
    const BlockStamper stamper(stack, colour, targetSlot, w, h, sourceSlot, 0);
    if (!stamper) return;
    // The outline is computed along the axis of the larger radius ("major") and mirrored.
    const bool wide = rx > ry;
    const std::int64_t R = wide ? rx : ry;
    const std::int64_t r = wide ? ry : rx;
    const std::int64_t majorCentre = wide ? cx : cy;
    const std::int64_t minorCentre = wide ? cy : cx;
    const CentreSpan majorReach = wide ? stamper.ColumnCentres() : stamper.RowCentres();
    const CentreSpan minorReach = wide ? stamper.RowCentres() : stamper.ColumnCentres();
    if (majorReach.first > majorReach.last || minorReach.first > minorReach.last) return;
    const auto plot = [&](std::int64_t a, std::int64_t b) {
        if (wide)
            stamper.Stamp(majorCentre + a, minorCentre + b);
        else
            stamper.Stamp(minorCentre + b, majorCentre + a);
    };

    std::int64_t i = 0, Y = R, d = R, H = R * r, S = 0;
    while (Y >= i) {
        const std::int64_t t = H / R;
        const std::int64_t u = S / R;
        // Y >= i and |t| >= |u|: once the nearer offsets are out on both sides, all are, and
        // stay so. A huge outline around a centre near the image thus stops early.
        if (BothSidesOut(majorCentre, i, majorReach) ||
            BothSidesOut(minorCentre, std::abs(u), minorReach))
            break;
        plot(Y, u);
        plot(Y, -u);
        plot(-Y, u);
        plot(-Y, -u);
        plot(i, t);
        plot(i, -t);
        plot(-i, t);
        plot(-i, -t);
        d += 1 - 2 * i;
        if (d < 0) {
            d += 2 * Y - 2;
            Y -= 1;
            H -= r;
        }
        i += 1;
        S += r;
    }
}

}  // namespace daub
