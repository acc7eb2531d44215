#include "app/stretch_rotate_dialog.h"

#include "app/app_name.h"
#include "app/brush_settings_dialog.h"
#include "platform/message_box.h"

namespace daub {

void StretchRotateDialog::Load(DialogControls& controls) {
    controls.SetText(kWidthEdit, "100");
    controls.SetText(kHeightEdit, "100");
    controls.SetText(kAngleEdit, "0");
    controls.SetChecked(kSmoothCheck, false);
}

// The fields are read in the order of the dialog; the first bad one is reported with an empty
// text, as every numeric check of the program does, and gets the focus.
bool StretchRotateDialog::Save(DialogControls& controls) {
    struct Field {
        int edit;
        double low, high;
        double& value;
    };
    double read[3] = {};
    const Field fields[] = {{kWidthEdit, 0.01, 1000000.0, read[0]},
                            {kHeightEdit, 0.01, 1000000.0, read[1]},
                            {kAngleEdit, -360.0, 360.0, read[2]}};
    for (const Field& f : fields) {
        if (!ParseDialogDouble(controls.Text(f.edit), f.value) || f.value < f.low ||
            f.value > f.high) {
            controls.ShowMessageBox("", kAppName, mb::kOk | mb::kIconExclamation);
            controls.Focus(f.edit);
            return false;
        }
    }
    widthPercent = read[0];
    heightPercent = read[1];
    angleDegrees = read[2];
    smooth = controls.Checked(kSmoothCheck) ? 1 : 0;
    return true;
}

}  // namespace daub
