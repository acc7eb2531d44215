#include "toolwindows/palette_picture.h"

#include "toolwindows/satellite_picture.h"

namespace daub {
namespace {

// The swatches and the transparent cell are painted one pixel short of their nominal size
// at right and bottom; the colour cells at their full size.
constexpr PixelRect kLeftSwatch{4, 8, 15, 19};
constexpr PixelRect kRightSwatch{18, 8, 29, 19};
constexpr PixelRect kTransparentCell{2, 21, 29, 31};

// Where the transparent cell takes clicks, relative to the origin.
constexpr PixelRect kTransparentHit{2, 21, 30, 32};

}  // namespace

PaletteHit HitPalette(int x, int y) {
    const int a = x - kPaletteOriginX;
    const int b = y - kPaletteOriginY;
    PaletteHit hit;
    for (int i = 0; i < kPaletteCellCount; ++i) {
        if (a >= PaletteCellX(i) && a < PaletteCellX(i) + kPaletteCellSize &&
            b >= PaletteCellY(i) && b < PaletteCellY(i) + kPaletteCellSize)
            hit.cell = i;
    }
    hit.transparentCell = a >= kTransparentHit.left && a < kTransparentHit.right &&
                          b >= kTransparentHit.top && b < kTransparentHit.bottom;
    return hit;
}

void RenderPalette(ViewImage& image, int clientWidth, int clientHeight, const PixelImage* bitmap,
                   const PaletteColours& colours) {
    StartSatellitePicture(image, clientWidth, clientHeight);
    if (bitmap)
        CopyPixels(image, kPaletteOriginX, kPaletteOriginY, *bitmap, kPaletteBitmapWidth,
                   kPaletteBitmapHeight);
    FillPixels(image, kRightSwatch, colours.right);
    FillPixels(image, kLeftSwatch, colours.left);
    FillPixels(image, kTransparentCell, colours.transparent);
    if (!colours.cells) return;
    for (int i = 0; i < kPaletteCellCount; ++i) {
        FillPixels(image,
                   {PaletteCellX(i), PaletteCellY(i), PaletteCellX(i) + kPaletteCellSize,
                    PaletteCellY(i) + kPaletteCellSize},
                   (*colours.cells)[i]);
    }
}

}  // namespace daub
