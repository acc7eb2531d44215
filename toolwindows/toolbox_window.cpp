#include "toolwindows/toolbox_window.h"

#include "app/command_ids.h"

namespace daub {

ToolboxWindow::ToolboxWindow(Platform& platform)
    : SatelliteDialog(platform, kTemplate, notify::kToolbox) {}

}  // namespace daub
