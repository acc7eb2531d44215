#pragma once

#include <array>
#include <optional>

#include "document/colour.h"
#include "document/view_image.h"
#include "platform/device_context.h"

namespace daub {

inline constexpr int kPaletteCellCount = 28;

// The background bitmap is drawn at (1, 1) and clicks are taken relative to that point,
// while the cells and swatches are painted at their own numbers in client coordinates: a
// cell is hit one pixel right of and below where it shows.
inline constexpr int kPaletteOriginX = 1;
inline constexpr int kPaletteOriginY = 1;
inline constexpr int kPaletteBitmapWidth = 255;
inline constexpr int kPaletteBitmapHeight = 34;
inline constexpr int kPaletteCellSize = 12;

// Top-left of cell i: column i / 2, the even cells on top.
constexpr int PaletteCellX(int i) {
    return 34 + 16 * (i / 2);
}
constexpr int PaletteCellY(int i) {
    return i % 2 == 0 ? 4 : 20;
}

// What a click at a client point lies on; the swatches take no clicks.
struct PaletteHit {
    std::optional<int> cell;
    bool transparentCell = false;
};

PaletteHit HitPalette(int x, int y);

struct PaletteColours {
    COLORREF left = 0;
    COLORREF right = 0;
    COLORREF transparent = 0;
    const std::array<COLORREF, kPaletteCellCount>* cells = nullptr;
};

// The whole client area: the background bitmap, the two swatches, the transparent cell and
// the 28 cells.
void RenderPalette(ViewImage& image, int clientWidth, int clientHeight, const PixelImage* bitmap,
                   const PaletteColours& colours);

}  // namespace daub
