#pragma once

#include <string>

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

// A segment factor as typed: a whole number, signed, else 0; never below 2.
int CurveFactorFromText(const std::string& text);
// An offset as typed: the number its first 63 characters begin with, else 0; a number too
// large for a double (or not a number at all) counts as 0 too.
double CurveOffsetFromText(const std::string& text);

}  // namespace daub
