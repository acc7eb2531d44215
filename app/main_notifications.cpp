// The private messages the satellites send when they change: the main window copies their
// fields into the document.
#include <algorithm>

#include "app/command_ids.h"
#include "app/layer_commands.h"
#include "app/main_window.h"

namespace daub {

std::intptr_t TDaubWindow::OnToolboxChanged(const Message&) {
    ToolboxWindow& toolbox = satellites.toolbox;
    EndPendingOperation(0);
    doc.previousTool = doc.leftTool;
    doc.leftTool = toolbox.leftTool;
    doc.penWidth = toolbox.penWidth;
    doc.rightTool = toolbox.rightTool;
    if (toolbox.closedMarker == kClosedMarker) {
        satellites.toolboxShown = false;
        RefreshChecks();
        toolbox.closedMarker = 0;
    }
    return 0;
}

std::intptr_t TDaubWindow::OnColourBoxChanged(const Message&) {
    PaletteWindow& palette = satellites.palette;
    doc.drawColour = palette.leftColour;
    doc.secondColour = palette.rightColour;
    if (palette.closedMarker == kClosedMarker) {
        satellites.colourBoxShown = false;
        RefreshChecks();
        palette.closedMarker = 0;
    }
    return 0;
}

std::intptr_t TDaubWindow::OnMaskSwitched(const Message&) {
    doc.layerStack->maskEnabled = Info().values.maskOn;
    return 0;
}

std::intptr_t TDaubWindow::OnLayerCommand(const Message&) {
    CarryOutLayerCommand(*this);
    return 0;
}

std::intptr_t TDaubWindow::OnLayerImageGone(const Message&) {
    doc.layerImageVisible = 0;
    const auto& view = satellites.viewWindow;
    if (view && view->closedMarker == kClosedMarker) RefreshChecks();
    return 1;
}

// The lower factor never exceeds the upper one.
std::intptr_t TDaubWindow::OnCurveSettingsChanged(const Message&) {
    CurveSettingsDialog& dialog = satellites.curveSettingsDialog;
    const CurveSettings& from = dialog.settings;
    doc.curveSettings = from;
    doc.curveSettings.values[1] = std::max(2, std::min(from.values[1], from.values[0]));
    if (dialog.closedMarker == kClosedMarker) {
        satellites.curveSettingsShown = false;
        RefreshChecks();
    }
    dialog.closedMarker = 0;
    return 1;
}

}  // namespace daub
