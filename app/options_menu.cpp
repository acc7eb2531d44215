// The options menu's settings dialogs: the soft brush and the spray.
#include "app/brush_settings_dialog.h"
#include "app/main_window.h"
#include "app/menu_commands.h"
#include "app/spray_settings_dialog.h"
#include "document/brush_kernel.h"
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

}  // namespace daub
