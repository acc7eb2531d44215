#include "toolwindows/curve_settings_dialog.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/dialog_model.h"
#include "platform/platform.h"
#include "toolwindows/satellite_messages.h"

namespace daub {
namespace {

constexpr int kLowestFactor = 2;
constexpr std::size_t kOffsetLength = 63;

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string Trimmed(const std::string& text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsSpace);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

// Doubles are written as the shortest text that reads back the same.
std::string OffsetText(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : "0";
}

// A segment factor as typed: a whole number, signed, else 0; never below 2.
int FactorFromText(const std::string& text) {
    const std::string number = Trimmed(text);
    const char* begin = number.data() + (!number.empty() && number[0] == '+' ? 1 : 0);
    int value = 0;
    const auto [end, error] = std::from_chars(begin, number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size()) value = 0;
    return std::max(value, kLowestFactor);
}

// An offset as typed: the number its first 63 characters begin with, else 0; one beyond
// doubles (or not a number at all) counts as 0 too.
double OffsetFromText(const std::string& text) {
    const std::string head = text.substr(0, kOffsetLength);
    const double value = std::strtod(head.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace

CurveSettingsDialog::CurveSettingsDialog(Platform& platform)
    : SatelliteDialog(platform, kTemplate, notify::kCurveSettings) {}

std::optional<std::intptr_t> CurveSettingsDialog::HandleMessage(const Message& message) {
    const bool mine = message.id == wm::kInitDialog || message.id == wm::kCommand;
    DialogControls* controls = mine ? GetPlatform().ModelessControls(Handle()) : nullptr;
    if (message.id == wm::kInitDialog && controls) Load(*controls);
    if (message.id == wm::kCommand && controls && !loading_ &&
        Take(*controls, LowWord(message.wParam), HighWord(message.wParam))) {
        Notify();
        return 0;
    }
    return SatelliteDialog::HandleMessage(message);
}

// Filling an edit makes it report a change; those reports are not the user's.
void CurveSettingsDialog::Load(DialogControls& controls) {
    loading_ = true;
    controls.SetText(IDC_CURVE_RANGE_UPPER, std::to_string(settings.values[0]));
    controls.SetText(IDC_CURVE_RANGE_LOWER, std::to_string(settings.values[1]));
    controls.SetText(IDC_CURVE_ERROR_X, OffsetText(settings.reals[0]));
    controls.SetText(IDC_CURVE_ERROR_Y, OffsetText(settings.reals[1]));
    controls.SetChecked(IDC_CURVE_FIX_START, settings.values[2] != 0);
    controls.SetChecked(IDC_CURVE_FIX_END, settings.values[3] != 0);
    loading_ = false;
}

bool CurveSettingsDialog::Take(DialogControls& controls, int control, int notification) {
    const bool edited = notification == kEditChanged;
    const bool clicked = notification == kButtonClicked;
    if (edited && control == IDC_CURVE_RANGE_UPPER)
        settings.values[0] = FactorFromText(controls.Text(control));
    else if (edited && control == IDC_CURVE_RANGE_LOWER)
        settings.values[1] = FactorFromText(controls.Text(control));
    else if (edited && control == IDC_CURVE_ERROR_X)
        settings.reals[0] = OffsetFromText(controls.Text(control));
    else if (edited && control == IDC_CURVE_ERROR_Y)
        settings.reals[1] = OffsetFromText(controls.Text(control));
    else if (clicked && control == IDC_CURVE_FIX_START)
        settings.values[2] = controls.Checked(control) ? 1 : 0;
    else if (clicked && control == IDC_CURVE_FIX_END)
        settings.values[3] = controls.Checked(control) ? 1 : 0;
    else
        return false;
    return true;
}

}  // namespace daub
