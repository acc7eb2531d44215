#pragma once

#include "document/document_state.h"
#include "resources/resource_ids.h"
#include "toolwindows/satellite_dialog.h"

namespace daub {

// "曲線設定": the look of the curve tools, applied as soon as it changes.
class CurveSettingsDialog : public SatelliteDialog {
  public:
    static constexpr int kTemplate = IDD_CURVE_SETTINGS;

    explicit CurveSettingsDialog(Platform& platform);

    CurveSettings settings;
};

}  // namespace daub
