#include "toolwindows/palette_window.h"

#include "app/command_ids.h"

namespace daub {

// Column by column, top row first: the sixteen basic colours, then six mixed shades.
const std::array<COLORREF, PaletteWindow::kCellCount> PaletteWindow::kInitialColours = {
    0x000000, 0xFFFFFF, 0x808080, 0xC0C0C0, 0x000080, 0x0000FF, 0x008080,
    0x00FFFF, 0x008000, 0x00FF00, 0x808000, 0xFFFF00, 0x800000, 0xFF0000,
    0x800080, 0xFF00FF, 0x408080, 0x80FFFF, 0x404000, 0x80FF00, 0xFF8000,
    0xFFFF80, 0x804000, 0xFF8080, 0xFF0040, 0x8000FF, 0x004080, 0x4080FF,
};

PaletteWindow::PaletteWindow(Platform& platform)
    : SatelliteDialog(platform, kTemplate, notify::kColourBox) {}

}  // namespace daub
