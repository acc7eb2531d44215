#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "document/colour.h"
#include "document/view_image.h"
#include "platform/platform.h"
#include "resources/resource_ids.h"
#include "toolwindows/satellite_dialog.h"

namespace daub {

// The colour box "パレット": the colours of the two mouse buttons and 28 colour cells.
class PaletteWindow : public SatelliteDialog {
  public:
    static constexpr int kTemplate = IDD_PALETTE;
    static constexpr int kCellCount = 28;
    static constexpr const char* kBitmapName = "PalBitmap";
    static const std::array<COLORREF, kCellCount> kInitialColours;

    explicit PaletteWindow(Platform& platform);

    std::optional<std::intptr_t> HandleMessage(const Message& message) override;

    // Draws the box at once, as after a click; for callers that set its colours.
    void Repaint();

    COLORREF transparentColour = kTransparentColour;
    COLORREF leftColour = 0x000000;
    COLORREF rightColour = 0xFFFFFF;
    std::array<COLORREF, kCellCount> colours = kInitialColours;

  private:
    void Click(int x, int y, COLORREF& buttonColour);
    void EditCell(int x, int y, COLORREF& buttonColour);
    void Draw(DeviceContext& context);

    std::optional<LoadedBitmap> bitmap_;
    ViewImage image_;
};

}  // namespace daub
