#include "app/resize_dialog.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "app/app_name.h"
#include "platform/message_box.h"

namespace daub {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads one field; on a bad entry the user is told (with an empty text, as every numeric
// check of the program does) and the focus goes to the field.
bool ReadField(DialogControls& controls, int control, int& value) {
    int parsed = 0;
    if (ParseDialogInt(controls.Text(control), parsed) && parsed >= 0 &&
        parsed <= ResizeDialog::kLargest) {
        value = parsed;
        return true;
    }
    controls.ShowMessageBox("", kAppName, mb::kOk | mb::kIconExclamation);
    controls.Focus(control);
    return false;
}

}  // namespace

bool ParseDialogInt(const std::string& text, int& value) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    std::size_t digits = begin;
    if (digits < end && (text[digits] == '+' || text[digits] == '-')) ++digits;
    if (digits == end) return false;
    for (std::size_t i = digits; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    errno = 0;
    const long long parsed = std::strtoll(text.substr(begin, end - begin).c_str(), nullptr, 10);
    if (errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) return false;
    value = static_cast<int>(parsed);
    return true;
}

void ResizeDialog::Load(DialogControls& controls) {
    controls.SetText(kWidthEdit, std::to_string(width));
    controls.SetText(kHeightEdit, std::to_string(height));
    controls.SetChecked(kCentreCheck, centre != 0);
}

bool ResizeDialog::Save(DialogControls& controls) {
    int w = 0, h = 0;
    if (!ReadField(controls, kWidthEdit, w) || !ReadField(controls, kHeightEdit, h)) return false;
    width = w;
    height = h;
    centre = controls.Checked(kCentreCheck) ? 1 : 0;
    return true;
}

}  // namespace daub
