#include "toolwindows/curve_settings_dialog.h"

#include "app/command_ids.h"

namespace daub {

CurveSettingsDialog::CurveSettingsDialog(Platform& platform)
    : SatelliteDialog(platform, kTemplate, notify::kCurveSettings) {}

}  // namespace daub
