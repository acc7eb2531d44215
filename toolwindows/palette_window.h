#pragma once

#include <array>

#include "document/colour.h"
#include "toolwindows/satellite_dialog.h"

namespace daub {

// The colour box "パレット": the colours of the two mouse buttons and 28 colour cells.
class PaletteWindow : public SatelliteDialog {
  public:
    static constexpr int kTemplate = 122;
    static constexpr int kCellCount = 28;
    static const std::array<COLORREF, kCellCount> kInitialColours;

    explicit PaletteWindow(Platform& platform);

    COLORREF transparentColour = kTransparentColour;
    COLORREF leftColour = 0x000000;
    COLORREF rightColour = 0xFFFFFF;
    std::array<COLORREF, kCellCount> colours = kInitialColours;
};

}  // namespace daub
