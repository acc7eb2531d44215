#include "toolwindows/curve_settings_dialog.h"

#include "toolwindows/satellite_messages.h"

namespace daub {

CurveSettingsDialog::CurveSettingsDialog(Platform& platform)
    : SatelliteDialog(platform, kTemplate, notify::kCurveSettings) {}

}  // namespace daub
