#pragma once

#include "platform/win32/win32_api.h"

#include "platform/dialog_model.h"

namespace daub {

// The controls of a live dialog, by control id.
class Win32DialogControls : public DialogControls {
  public:
    explicit Win32DialogControls(HWND dialog) : dialog_(dialog) {}

    HWND Dialog() const { return dialog_; }
    // Whether the model moved the focus itself (then the dialog leaves it where it is).
    bool FocusWasSet() const { return focusSet_; }

    std::string Text(int control) const override;
    void SetText(int control, const std::string& text) override;
    bool Checked(int control) const override;
    void SetChecked(int control, bool checked) override;
    void Focus(int control) override;
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    void SetSliderRange(int control, int low, int high) override;
    int SliderPosition(int control) const override;
    void SetSliderPosition(int control, int position) override;
    void AddListItem(int control, const std::string& text) override;
    std::string ListItem(int control, int index) const override;
    int ListSelection(int control) const override;
    void SelectListItem(int control, int index) override;
    void Redraw(const PixelRect& area) override;

  private:
    HWND dialog_;
    bool focusSet_ = false;
};

}  // namespace daub
