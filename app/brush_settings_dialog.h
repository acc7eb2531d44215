#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/dialog_model.h"
#include "resources/resource_ids.h"

namespace daub {

// One of the ready-made brushes of the preset list; the name begins with its row digit.
struct BrushPreset {
    const char* name;
    double radius;
    double density;
    double distribution;
};

inline constexpr std::array<BrushPreset, 9> kBrushPresets = {{
    {"0:薄小", 5.0, 3.5, 0.2},
    {"1:薄中", 15.0, 3.5, 0.1},
    {"2:薄大", 30.0, 3.5, 0.1},
    {"3:普通小", 5.0, 4000.0, 3.2},
    {"4:普通中", 15.0, 3000.0, 2.0},
    {"5:普通大", 30.0, 2000.0, 1.5},
    {"6:濃小", 5.0, 2000.0, 1.5},
    {"7:濃中", 15.0, 4000.0, 1.5},
    {"8:濃大", 30.0, 4000.0, 1.2},
}};

// The preview's 65 x 65 grey levels, top row first: white where a dab has no effect, black
// for a weight of 255 or more, mid grey (0x80) outside the brush.
inline constexpr int kBrushPreviewSide = 65;
using BrushPreview = std::array<std::uint8_t, kBrushPreviewSide * kBrushPreviewSide>;
BrushPreview ComputeBrushPreview(double radius, double density, double distribution);

// "ブラシの設定" (template 137): size R, density a and distribution b of the soft brush, each
// with a slider and an edit, a list of presets and a live preview of the weights.
class BrushSettingsDialog : public DialogModel {
  public:
    static constexpr int kTemplate = IDD_BRUSH_SETTINGS;
    static constexpr int kSizeSlider = IDC_BRUSH_SIZE_SLIDER;
    static constexpr int kDensitySlider = IDC_BRUSH_DENSITY_SLIDER;
    static constexpr int kDistributionSlider = IDC_BRUSH_DISTRIBUTION_SLIDER;
    static constexpr int kSizeEdit = IDC_BRUSH_SIZE_EDIT;
    static constexpr int kDensityEdit = IDC_BRUSH_DENSITY_EDIT;
    static constexpr int kDistributionEdit = IDC_BRUSH_DISTRIBUTION_EDIT;
    static constexpr int kPresetList = IDC_BRUSH_PRESETS;
    // Where the preview sits in the dialog's client area.
    static constexpr PixelRect kPreviewArea = {217, 32, 217 + kBrushPreviewSide,
                                               32 + kBrushPreviewSide};

    BrushSettingsDialog(double radius, double density, double distribution);

    int TemplateId() const override { return kTemplate; }
    void Load(DialogControls& controls) override;
    bool Save(DialogControls& controls) override;
    void OnCommand(DialogControls& controls, int control, int notification) override;
    void Paint(DialogControls& controls, DeviceContext& dc) override;

    double radius;
    double density;
    double distribution;
    int sizePosition;
    int densityPosition;
    int distributionPosition;

  private:
    void ShowSliderValue(DialogControls& controls, int slider);
    void ApplyPreset(DialogControls& controls);
};

// A decimal number with optional blanks around it: digits, a point and an exponent. False for
// anything else, and for values beyond a double.
bool ParseDialogDouble(const std::string& text, double& value);

}  // namespace daub
