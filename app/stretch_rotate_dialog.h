#pragma once

#include "platform/dialog_model.h"
#include "resources/resource_ids.h"

namespace daub {

// "伸縮と回転" (template 136): width and height scale in percent (0.01 … 1000000), the angle
// in degrees (−360 … 360), decimals allowed, and whether to smooth. Made afresh for each use,
// so it always opens at 100 %, 100 %, 0° and unsmoothed.
class StretchRotateDialog : public DialogModel {
  public:
    static constexpr int kTemplate = IDD_STRETCH_ROTATE;
    static constexpr int kWidthEdit = IDC_STRETCH_WIDTH;
    static constexpr int kHeightEdit = IDC_STRETCH_HEIGHT;
    static constexpr int kAngleEdit = IDC_ROTATE_ANGLE;
    static constexpr int kSmoothCheck = IDC_STRETCH_INTERPOLATE;

    int TemplateId() const override { return kTemplate; }
    void Load(DialogControls& controls) override;
    bool Save(DialogControls& controls) override;

    double widthPercent = 100.0;
    double heightPercent = 100.0;
    double angleDegrees = 0.0;
    int smooth = 0;
};

}  // namespace daub
