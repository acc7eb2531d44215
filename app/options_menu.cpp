// The options menu: the brush and spray settings, and the colour box's palette file.
#include "app/brush_settings_dialog.h"
#include "app/main_window.h"
#include "app/menu_commands.h"
#include "app/platform_message_sink.h"
#include "app/spray_settings_dialog.h"
#include "document/brush_kernel.h"
#include "files/palette_file.h"
#include "platform/message_box.h"
#include "platform/platform.h"

namespace daub {

// OK recomputes the kernel with the dialog's values; Cancel leaves it as it was.
void BrushSettingsCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!doc.layerStack) return;
    BrushKernel& kernel = doc.layerStack->brushKernel;
    BrushSettingsDialog dialog(kernel.radius, kernel.density, kernel.distribution);
    if (window.GetPlatform().RunModalDialog(dialog, window.Handle()) != answer::kOk) return;
    ComputeKernel(kernel, dialog.radius, dialog.density, dialog.distribution);
}

void SpraySettingsCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    SpraySettingsDialog dialog(doc.sprayKind, doc.spraySize, doc.sprayStrength);
    if (window.GetPlatform().RunModalDialog(dialog, window.Handle()) != answer::kOk) return;
    doc.sprayKind = dialog.kind;
    doc.spraySize = dialog.size;
    doc.sprayStrength = dialog.strength;
}

// Only the cells travel: the button colours stay as they are until a cell is clicked.
void LoadPaletteCommand(TDaubWindow& window) {
    PaletteWindow& palette = window.satellites.palette;
    const auto path = window.GetPlatform().AskFileName(
        window.Handle(), {"パレット |*.pal||", "pal", "*.pal", false});
    if (!path) return;
    PlatformMessageSink messages(window.GetPlatform(), window.Handle());
    LoadPaletteFile(messages, *path, palette.colours);
    palette.Repaint();
}

void SavePaletteCommand(TDaubWindow& window) {
    PaletteWindow& palette = window.satellites.palette;
    const auto path = window.GetPlatform().AskFileName(
        window.Handle(), {"パレット |*.pal||", "pal", "無題.pal", true});
    if (!path) return;
    PlatformMessageSink messages(window.GetPlatform(), window.Handle());
    SavePaletteFile(messages, *path, palette.colours);
    palette.Repaint();
}

}  // namespace daub
