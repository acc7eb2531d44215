// The view menu: showing the satellites again, and the guide line.
#include "app/command_ids.h"
#include "app/main_window.h"
#include "app/menu_commands.h"

namespace daub {

void ShowToolboxCommand(TDaubWindow& window) {
    window.satellites.toolbox.Show();
    window.satellites.toolboxShown = true;
    window.RefreshChecks();
}

void ShowColourBoxCommand(TDaubWindow& window) {
    window.satellites.palette.Show();
    window.satellites.colourBoxShown = true;
    window.RefreshChecks();
}

void ShowCurveSettingsCommand(TDaubWindow& window) {
    window.satellites.curveSettingsDialog.Show();
    window.satellites.curveSettingsShown = true;
    window.RefreshChecks();
}

// The layer image window is destroyed when closed; the command makes a new one, a little
// further right than the first.
void ShowLayerImageCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (doc.layerImageVisible == 1) return;
    window.MakeLayerImageWindow(ViewWnd::kReopenedLeft);
    doc.layerImageVisible = 1;
    window.RefreshChecks();
    window.Repaint();
}

void GuideLineCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    doc.guideLine = doc.guideLine == 1 ? 0 : 1;
    window.RefreshChecks();
    window.Repaint();
}

}  // namespace daub
