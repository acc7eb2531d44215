#pragma once

namespace daub {

class TDaubWindow;

// Carries out the command the layer window reported (WM_USER+4) on the document: add,
// delete, show or hide, select, exchange, or a dropped file. The command is taken from the
// window, so a report that repeats it does nothing. Then the list shows the document's layers
// and the view its composite.
void CarryOutLayerCommand(TDaubWindow& window);

}  // namespace daub
