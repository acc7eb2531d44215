#include "platform/headless/headless_dialogs.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <utility>

#include "platform/message.h"
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

bool IsClass(const DialogControl& control, const std::string& name) {
    return std::equal(control.className.begin(), control.className.end(), name.begin(), name.end(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

constexpr std::uint32_t kSortedList = 0x0100;  // CBS_SORT

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
        ControlState& state = controls_[control.id];
        state.text = control.text;
        state.list = IsClass(control, "ComboBox");
        state.sorted = state.list && (control.style & kSortedList) != 0;
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
    if (!state) return {};
    if (!state->list) return state->text;
    return state->selection >= 0 ? state->items[static_cast<std::size_t>(state->selection)]
                                 : std::string();
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

// TBM_SETRANGEMIN and TBM_SETRANGEMAX: the thumb stays inside the new range.
void HeadlessDialog::SetSliderRange(int control, int low, int high) {
    ControlState* state = Find(control, "SetSliderRange");
    if (!state) return;
    state->low = low;
    state->high = std::max(low, high);
    state->position = std::clamp(state->position, state->low, state->high);
}

int HeadlessDialog::SliderPosition(int control) const {
    const ControlState* state = Find(control, "SliderPosition");
    return state ? state->position : 0;
}

void HeadlessDialog::SetSliderPosition(int control, int position) {
    if (ControlState* state = Find(control, "SetSliderPosition"))
        state->position = std::clamp(position, state->low, state->high);
}

// CB_ADDSTRING: a sorted list inserts after its equals, and a selection at or after the new
// item moves down with it.
void HeadlessDialog::AddListItem(int control, const std::string& text) {
    ControlState* state = Find(control, "AddListItem");
    if (!state) return;
    state->list = true;
    auto at = state->sorted ? std::upper_bound(state->items.begin(), state->items.end(), text)
                            : state->items.end();
    const int index = static_cast<int>(at - state->items.begin());
    state->items.insert(at, text);
    if (state->selection >= index) ++state->selection;
}

std::string HeadlessDialog::ListItem(int control, int index) const {
    const ControlState* state = Find(control, "ListItem");
    if (!state || index < 0 || index >= static_cast<int>(state->items.size())) return {};
    return state->items[static_cast<std::size_t>(index)];
}

int HeadlessDialog::ListSelection(int control) const {
    const ControlState* state = Find(control, "ListSelection");
    return state ? state->selection : -1;
}

// CB_SETCURSEL: an index outside the list clears the selection.
void HeadlessDialog::SelectListItem(int control, int index) {
    ControlState* state = Find(control, "SelectListItem");
    if (!state) return;
    state->selection = index >= 0 && index < static_cast<int>(state->items.size()) ? index : -1;
}

std::vector<std::string> HeadlessDialog::ListItems(int control) const {
    const ControlState* state = Find(control, "ListItems");
    return state ? state->items : std::vector<std::string>{};
}

void HeadlessDialog::Redraw(const PixelRect&) {
    ++redraws_;
    model_.Paint(*this, *platform_.ClientContext(handle_));
}

void HeadlessDialog::PaintWhole() {
    ++redraws_;
    model_.Paint(*this, *platform_.PaintContext(handle_));
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

void HeadlessDialog::MoveSlider(int control, int position) {
    SetSliderPosition(control, position);
    model_.OnCommand(*this, control, kSliderMoved);
}

void HeadlessDialog::DragSlider(int control, int position) {
    if (!IsOpen()) return;
    MoveSlider(control, position);
    model_.OnCommand(*this, control, kSliderReleased);
}

void HeadlessDialog::SlideWithKeys(int control, int position) {
    if (IsOpen()) MoveSlider(control, position);
}

void HeadlessDialog::PickListItem(int control, const std::string& text) {
    if (!IsOpen()) return;
    ControlState* state = Find(control, "PickListItem");
    if (!state) return;
    const auto it = std::find(state->items.begin(), state->items.end(), text);
    if (it == state->items.end()) {
        faults_.push_back("PickListItem of \"" + text + "\", which list " +
                          std::to_string(control) + " does not hold");
        return;
    }
    state->selection = static_cast<int>(it - state->items.begin());
    model_.OnCommand(*this, control, kListSelectionChanged);
}

void HeadlessModeless::Relay::OnCommand(DialogControls&, int control, int notification) {
    const std::uintptr_t wParam = (static_cast<std::uintptr_t>(notification & 0xFFFF) << 16) |
                                  static_cast<std::uintptr_t>(control & 0xFFFF);
    platform_.SendWindowMessage(dialog_, {wm::kCommand, wParam, 0});
}

}  // namespace daub
