#include "toolwindows/palette_window.h"

#include "toolwindows/palette_picture.h"
#include "toolwindows/satellite_messages.h"
#include "toolwindows/satellite_picture.h"

namespace daub {

static_assert(PaletteWindow::kCellCount == kPaletteCellCount);

// Column by column, top row first: the sixteen basic colours, then six mixed shades.
const std::array<COLORREF, PaletteWindow::kCellCount> PaletteWindow::kInitialColours = {
    0x000000, 0xFFFFFF, 0x808080, 0xC0C0C0, 0x000080, 0x0000FF, 0x008080,
    0x00FFFF, 0x008000, 0x00FF00, 0x808000, 0xFFFF00, 0x800000, 0xFF0000,
    0x800080, 0xFF00FF, 0x408080, 0x80FFFF, 0x404000, 0x80FF00, 0xFF8000,
    0xFFFF80, 0x804000, 0xFF8080, 0xFF0040, 0x8000FF, 0x004080, 0x4080FF,
};

PaletteWindow::PaletteWindow(Platform& platform)
    : SatelliteDialog(platform, kTemplate, notify::kColourBox),
      bitmap_(platform.LoadBitmapResource(kBitmapName)) {}

std::optional<std::intptr_t> PaletteWindow::HandleMessage(const Message& message) {
    const int x = PointX(message.lParam);
    const int y = PointY(message.lParam);
    switch (message.id) {
        case wm::kPaint:
            if (auto context = GetPlatform().PaintContext(Handle())) Draw(*context);
            return 0;
        case wm::kLButtonDown:
            Click(x, y, leftColour);
            return std::nullopt;
        case wm::kRButtonDown:
            Click(x, y, rightColour);
            return std::nullopt;
        case wm::kLButtonDblClk:
            EditCell(x, y, leftColour);
            return std::nullopt;
        case wm::kRButtonDblClk:
            EditCell(x, y, rightColour);
            return std::nullopt;
        default:
            return SatelliteDialog::HandleMessage(message);
    }
}

// A click that hits nothing still repaints and reports.
void PaletteWindow::Click(int x, int y, COLORREF& buttonColour) {
    const PaletteHit hit = HitPalette(x, y);
    if (hit.cell) buttonColour = colours[*hit.cell];
    if (hit.transparentCell) buttonColour = transparentColour;
    Repaint();
    Notify();
}

// The first click of the double click has already taken the cell's colour. Outside every
// cell the double click edits cell 0. The dialog is owned by the box, so that it stays in
// front of it and a second one cannot be opened over it.
void PaletteWindow::EditCell(int x, int y, COLORREF& buttonColour) {
    const int cell = HitPalette(x, y).cell.value_or(0);
    const auto chosen = GetPlatform().ChooseColour(Handle(), colours[cell]);
    if (!chosen) return;
    colours[cell] = *chosen;
    buttonColour = *chosen;
    Repaint();
    Notify();
}

void PaletteWindow::Repaint() {
    if (!Handle()) return;
    if (auto context = GetPlatform().ClientContext(Handle())) Draw(*context);
}

void PaletteWindow::Draw(DeviceContext& context) {
    const PixelRect client = GetPlatform().ClientRect(Handle());
    const PixelImage picture = bitmap_ ? bitmap_->Image() : PixelImage{};
    RenderPalette(image_, client.Width(), client.Height(), bitmap_ ? &picture : nullptr,
                  {leftColour, rightColour, transparentColour, &colours});
    ShowPicture(context, image_);
}

}  // namespace daub
