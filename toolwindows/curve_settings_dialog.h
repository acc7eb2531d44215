#pragma once

#include "document/document_state.h"
#include "platform/dialog_model.h"
#include "resources/resource_ids.h"
#include "toolwindows/satellite_dialog.h"

namespace daub {

// "曲線設定": the look of the curve tools, applied as soon as it changes. The edits and check
// boxes show settings when the dialog is made; every change is stored there and reported.
class CurveSettingsDialog : public SatelliteDialog {
  public:
    static constexpr int kTemplate = IDD_CURVE_SETTINGS;

    explicit CurveSettingsDialog(Platform& platform);

    std::optional<std::intptr_t> HandleMessage(const Message& message) override;

    CurveSettings settings;

  private:
    void Load(DialogControls& controls);
    // True when the control is one of this dialog's and its value was taken.
    bool Take(DialogControls& controls, int control, int notification);

    bool loading_ = false;
};

}  // namespace daub
