#include "platform/headless/headless_dialogs.h"

#include <utility>

#include "platform/platform.h"

namespace daub {
namespace {

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

// MulDiv's rounding: to the nearest, halves away from zero.
int Scale(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

bool TogglesWhenClicked(const DialogControl& control) {
    if (control.className != "Button") return false;
    const std::uint32_t type = control.style & 0x0F;
    return type == 0x3 /* BS_AUTOCHECKBOX */ || type == 0x6 /* BS_AUTO3STATE */;
}

}  // namespace

int DialogUnitsToPixelsX(int units) {
    return Scale(units, kDialogBaseUnitX, 4);
}

int DialogUnitsToPixelsY(int units) {
    return Scale(units, kDialogBaseUnitY, 8);
}

HeadlessDialog::HeadlessDialog(Platform& platform, DialogModel& model,
                               const DialogTemplate* dialogTemplate, WindowHandle handle)
    : platform_(platform), model_(model), template_(dialogTemplate), handle_(handle) {
    if (!template_) return;
    for (const DialogControl& control : template_->controls) {
        controls_[control.id].text = control.text;
    }
}

const HeadlessDialog::ControlState* HeadlessDialog::Find(int control, const char* use) const {
    const auto it = controls_.find(control);
    if (it != controls_.end()) return &it->second;
    if (template_) {
        faults_.push_back(std::string(use) + " of control " + std::to_string(control) +
                          ", which dialog " + template_->name + " does not have");
    }
    return nullptr;
}

HeadlessDialog::ControlState* HeadlessDialog::Find(int control, const char* use) {
    if (!template_) return &controls_[control];
    return const_cast<ControlState*>(std::as_const(*this).Find(control, use));
}

std::string HeadlessDialog::Text(int control) const {
    const ControlState* state = Find(control, "Text");
    return state ? state->text : std::string();
}

void HeadlessDialog::SetText(int control, const std::string& text) {
    if (ControlState* state = Find(control, "SetText")) state->text = text;
}

bool HeadlessDialog::Checked(int control) const {
    const ControlState* state = Find(control, "Checked");
    return state && state->checked;
}

void HeadlessDialog::SetChecked(int control, bool checked) {
    if (ControlState* state = Find(control, "SetChecked")) state->checked = checked;
}

void HeadlessDialog::Focus(int control) {
    if (Find(control, "Focus")) focus_ = control;
}

int HeadlessDialog::ShowMessageBox(const std::string& text, const std::string& caption,
                                   unsigned type) {
    return platform_.ShowMessageBox(handle_, text, caption, type);
}

void HeadlessDialog::Type(int control, const std::string& text) {
    if (!IsOpen()) return;
    SetText(control, text);
    model_.OnCommand(*this, control, kEditChanged);
}

void HeadlessDialog::Click(int control) {
    if (!IsOpen()) return;
    if (control == kIdOk) return PressOk();
    if (control == kIdCancel) return PressCancel();
    const DialogControl* source = template_ ? template_->Control(control) : nullptr;
    if (source && TogglesWhenClicked(*source)) SetChecked(control, !Checked(control));
    model_.OnCommand(*this, control, kButtonClicked);
}

void HeadlessDialog::PressOk() {
    if (!IsOpen()) return;
    ++okPresses_;
    if (model_.Save(*this)) result_ = kIdOk;
}

void HeadlessDialog::PressCancel() {
    if (IsOpen()) result_ = kIdCancel;
}

}  // namespace daub
