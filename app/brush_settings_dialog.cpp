#include "app/brush_settings_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/app_name.h"
#include "platform/message_box.h"

namespace daub {
namespace {

constexpr int kCentre = kBrushPreviewSide / 2;
constexpr std::uint8_t kOutsideGrey = 0x80;
// What the preview reads of each edit, as the dialog's text buffer holds it.
constexpr std::size_t kPreviewTextLimit = 64;

struct FieldRange {
    int edit;
    double low;
    double high;
};

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char text[64];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

// trunc(value × scale), kept inside the trackbar's range before the conversion so that no
// value, however wild, converts out of int.
int SliderFor(double value, double scale) {
    const double scaled = value * scale;
    if (!(scaled > 0.0)) return 0;
    return static_cast<int>(std::min(scaled, 100.0));
}

// A weight as the preview shows it: 255 − trunc(weight), limited to 0 … 255. The weight is
// limited first, since a huge or negative one would not convert to int; a NaN (an edit
// reading "nan") shows as no effect.
std::uint8_t GreyOf(double weight) {
    if (std::isnan(weight)) return 255;
    const int level = 255 - static_cast<int>(std::clamp(weight, -1.0, 256.0));
    return static_cast<std::uint8_t>(std::clamp(level, 0, 255));
}

double ReadForPreview(const DialogControls& controls, int edit) {
    const std::string text = controls.Text(edit).substr(0, kPreviewTextLimit);
    return std::strtod(text.c_str(), nullptr);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

bool ParseDialogDouble(const std::string& text, double& value) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    if (begin == end) return false;
    // Only plain decimal notation: strtod alone would also take "inf", "nan" and hex.
    for (std::size_t i = begin; i < end; ++i) {
        if (!std::strchr("0123456789+-.eE", text[i])) return false;
    }
    const std::string number = text.substr(begin, end - begin);
    char* stop = nullptr;
    const double parsed = std::strtod(number.c_str(), &stop);
    if (stop != number.c_str() + number.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

BrushPreview ComputeBrushPreview(double radius, double density, double distribution) {
    BrushPreview greys{};
    for (int i = 0; i < kBrushPreviewSide; ++i) {
        for (int j = 0; j < kBrushPreviewSide; ++j) {
            std::uint8_t& grey = greys[static_cast<std::size_t>(i * kBrushPreviewSide + j)];
            const double r = std::hypot(j - kCentre, i - kCentre);
            if (r == 0.0) {
                // The centre has no finite a / r^b: it shows its diagonal neighbour.
                grey = greys[static_cast<std::size_t>((i - 1) * kBrushPreviewSide + j - 1)];
            } else if (r >= radius) {
                grey = kOutsideGrey;
            } else {
                grey = GreyOf(density / std::pow(r, distribution));
            }
        }
    }
    return greys;
}

BrushSettingsDialog::BrushSettingsDialog(double radius, double density, double distribution)
    : radius(radius),
      density(density),
      distribution(distribution),
      sizePosition(SliderFor(radius, 2.5)),
      densityPosition(SliderFor(density, 0.01)),
      distributionPosition(SliderFor(distribution, 20.0)) {}

void BrushSettingsDialog::Load(DialogControls& controls) {
    // The names begin with their row digit, so the sorted list keeps the table's order.
    for (const BrushPreset& preset : kBrushPresets)
        controls.AddListItem(kPresetList, preset.name);
    controls.SetText(kSizeEdit, Format("%.*g", 15, radius));
    controls.SetText(kDensityEdit, Format("%.*g", 15, density));
    controls.SetText(kDistributionEdit, Format("%.*g", 15, distribution));
    controls.SetSliderPosition(kSizeSlider, sizePosition);
    controls.SetSliderPosition(kDensitySlider, densityPosition);
    controls.SetSliderPosition(kDistributionSlider, distributionPosition);
}

// The fields are exchanged a, b, R, so the first bad one in that order is reported.
bool BrushSettingsDialog::Save(DialogControls& controls) {
    static constexpr FieldRange kRanges[] = {
        {kDensityEdit, 0.01, 10000.0},
        {kDistributionEdit, 0.0, 5.0},
        {kSizeEdit, 1.0, 40.0},
    };
    double values[3] = {};
    for (int i = 0; i < 3; ++i) {
        const FieldRange& range = kRanges[i];
        if (!ParseDialogDouble(controls.Text(range.edit), values[i]) || values[i] < range.low ||
            values[i] > range.high) {
            controls.ShowMessageBox("", kAppName, mb::kOk | mb::kIconExclamation);
            controls.Focus(range.edit);
            return false;
        }
    }
    density = values[0];
    distribution = values[1];
    radius = values[2];
    densityPosition = controls.SliderPosition(kDensitySlider);
    distributionPosition = controls.SliderPosition(kDistributionSlider);
    sizePosition = controls.SliderPosition(kSizeSlider);
    return true;
}

void BrushSettingsDialog::OnCommand(DialogControls& controls, int control, int notification) {
    switch (control) {
        case kSizeSlider:
        case kDensitySlider:
        case kDistributionSlider:
            // Only a mouse drag's end writes the edit; keys move the thumb alone.
            if (notification == kSliderReleased) ShowSliderValue(controls, control);
            break;
        case kSizeEdit:
        case kDensityEdit:
        case kDistributionEdit:
            if (notification == kEditChanged) controls.Redraw(kPreviewArea);
            break;
        case kPresetList:
            if (notification == kListSelectionChanged) ApplyPreset(controls);
            break;
        default:
            break;
    }
}

void BrushSettingsDialog::ShowSliderValue(DialogControls& controls, int slider) {
    const int position = controls.SliderPosition(slider);
    if (slider == kSizeSlider)
        controls.SetText(kSizeEdit, Format("%d", position * 40 / 100));
    else if (slider == kDensitySlider)
        controls.SetText(kDensityEdit, Format("%d", position * 100));
    else
        controls.SetText(kDistributionEdit, Format("%1.2f", position * 0.05));
    controls.Redraw(kPreviewArea);
}

// The list is sorted, so the row is found by the chosen item's name.
void BrushSettingsDialog::ApplyPreset(DialogControls& controls) {
    const std::string name = controls.ListItem(kPresetList, controls.ListSelection(kPresetList));
    const auto preset = std::find_if(kBrushPresets.begin(), kBrushPresets.end(),
                                     [&](const BrushPreset& p) { return name == p.name; });
    if (preset == kBrushPresets.end()) return;
    controls.SetText(kSizeEdit, Format("%2.1f", preset->radius));
    controls.SetText(kDensityEdit, Format("%4.0f", preset->density));
    controls.SetText(kDistributionEdit, Format("%1.2f", preset->distribution));
    controls.SetSliderPosition(kSizeSlider, SliderFor(preset->radius, 2.5));
    controls.SetSliderPosition(kDensitySlider, SliderFor(preset->density, 0.01));
    controls.SetSliderPosition(kDistributionSlider, SliderFor(preset->distribution, 20.0));
    controls.Redraw(kPreviewArea);
}

// The preview follows the edits as typed, whatever they hold: a text that is no number
// reads as 0.
void BrushSettingsDialog::Paint(DialogControls& controls, DeviceContext& dc) {
    const BrushPreview greys = ComputeBrushPreview(ReadForPreview(controls, kSizeEdit),
                                                   ReadForPreview(controls, kDensityEdit),
                                                   ReadForPreview(controls, kDistributionEdit));
    constexpr int kStride = (kBrushPreviewSide * 3 + 3) & ~3;
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(kStride * kBrushPreviewSide));
    for (int i = 0; i < kBrushPreviewSide; ++i) {
        // Rows are stored bottom-up.
        std::uint8_t* row = bits.data() + (kBrushPreviewSide - 1 - i) * kStride;
        for (int j = 0; j < kBrushPreviewSide; ++j) {
            const std::uint8_t grey = greys[static_cast<std::size_t>(i * kBrushPreviewSide + j)];
            std::memset(row + j * 3, grey, 3);
        }
    }
    const PixelImage picture{bits.data(), kBrushPreviewSide, kBrushPreviewSide, kStride};
    dc.DrawPixels(kPreviewArea.left, kPreviewArea.top, picture, kBrushPreviewSide,
                  kBrushPreviewSide);
}

}  // namespace daub
