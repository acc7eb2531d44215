#include "app/spray_settings_dialog.h"

#include <algorithm>
#include <climits>

#include "app/app_name.h"
#include "platform/message_box.h"

namespace daub {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A kind outside the list counts as the first, so its limits always exist.
const SpraySettingsDialog::Kind& KindOf(int kind) {
    const auto& kinds = SpraySettingsDialog::kKinds;
    return kinds[kind >= 0 && kind < static_cast<int>(kinds.size()) ? kind : 0];
}

bool ReadField(DialogControls& controls, int edit, long long& value) {
    if (ParseDialogUnsigned(controls.Text(edit), value)) return true;
    controls.ShowMessageBox("", kAppName, mb::kOk | mb::kIconExclamation);
    controls.Focus(edit);
    return false;
}

}  // namespace

bool ParseDialogUnsigned(const std::string& text, long long& value) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    if (begin < end && text[begin] == '+') ++begin;
    if (begin == end) return false;
    long long parsed = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        const int digit = text[i] - '0';
        parsed = parsed > (LLONG_MAX - digit) / 10 ? LLONG_MAX : parsed * 10 + digit;
    }
    value = parsed;
    return true;
}

int SpraySettingsDialog::LimitSize(long long value) {
    return static_cast<int>(std::clamp<long long>(value, 1, kLargestSize));
}

int SpraySettingsDialog::LimitStrength(int kind, long long value) {
    return static_cast<int>(std::clamp<long long>(value, 1, KindOf(kind).largestStrength));
}

void SpraySettingsDialog::Load(DialogControls& controls) {
    for (const Kind& k : kKinds)
        controls.AddListItem(kKindList, k.name);
    controls.SelectListItem(kKindList, kind);
    controls.SetText(kSizeEdit, std::to_string(size));
    controls.SetText(kStrengthEdit, std::to_string(strength));
}

// Choosing a kind offers its usual strength.
void SpraySettingsDialog::OnCommand(DialogControls& controls, int control, int notification) {
    if (control != kKindList || notification != kListSelectionChanged) return;
    const int chosen = controls.ListSelection(kKindList);
    if (chosen < 0 || chosen >= static_cast<int>(kKinds.size())) return;
    controls.SetText(kStrengthEdit,
                     std::to_string(kKinds[static_cast<std::size_t>(chosen)].defaultStrength));
}

// Numbers beyond the limits are brought inside them, by the kind chosen when OK is pressed.
bool SpraySettingsDialog::Save(DialogControls& controls) {
    long long typedSize = 0, typedStrength = 0;
    if (!ReadField(controls, kSizeEdit, typedSize) ||
        !ReadField(controls, kStrengthEdit, typedStrength))
        return false;
    const int chosen = controls.ListSelection(kKindList);
    if (chosen >= 0 && chosen < static_cast<int>(kKinds.size())) kind = chosen;
    size = LimitSize(typedSize);
    strength = LimitStrength(kind, typedStrength);
    return true;
}

}  // namespace daub
