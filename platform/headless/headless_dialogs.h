#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/device_context.h"
#include "platform/dialog_model.h"
#include "platform/handles.h"
#include "platform/headless/resource_script.h"

namespace daub {

class Platform;

// Dialog units become pixels as with an 8-point dialog font of average character 6 x 13
// pixels (MS Shell Dlg at 96 DPI): a horizontal unit is 6/4 pixel, a vertical one 13/8,
// rounded to the nearest pixel as MapDialogRect does.
inline constexpr int kDialogBaseUnitX = 6;
inline constexpr int kDialogBaseUnitY = 13;
int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);

// Notification codes a control sends with WM_COMMAND.
inline constexpr int kButtonClicked = 0;     // BN_CLICKED
inline constexpr int kEditChanged = 0x0300;  // EN_CHANGE

// A modal dialog while it runs: the controls of its template, which the model fills and
// reads, and what the user does to them, which the test scripts.
class HeadlessDialog : public DialogControls {
  public:
    // Without a template any control id is accepted; with one, a control the template lacks
    // is a fault, recorded and otherwise ignored.
    HeadlessDialog(Platform& platform, DialogModel& model, const DialogTemplate* dialogTemplate,
                   WindowHandle handle);

    std::string Text(int control) const override;
    void SetText(int control, const std::string& text) override;
    bool Checked(int control) const override;
    void SetChecked(int control, bool checked) override;
    void Focus(int control) override;
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned type) override;

    // The user types a new text into a control (the model hears EN_CHANGE).
    void Type(int control, const std::string& text);
    // The user clicks a control: an auto check box toggles, IDOK and IDCANCEL press OK and
    // Cancel, anything else reaches the model as BN_CLICKED.
    void Click(int control);
    // OK closes the dialog with 1 only when the model's Save accepts what was typed.
    void PressOk();
    void PressCancel();

    bool IsOpen() const { return result_ == 0; }
    int Result() const { return result_; }  // 1 OK, 2 Cancel; 0 while open
    int FocusedControl() const { return focus_; }
    int OkPresses() const { return okPresses_; }
    WindowHandle Handle() const { return handle_; }
    const DialogTemplate* Template() const { return template_; }
    const std::vector<std::string>& Faults() const { return faults_; }

  private:
    struct ControlState {
        std::string text;
        bool checked = false;
    };
    const ControlState* Find(int control, const char* use) const;
    ControlState* Find(int control, const char* use);

    Platform& platform_;
    DialogModel& model_;
    const DialogTemplate* template_;
    WindowHandle handle_;
    std::map<int, ControlState> controls_;
    int focus_ = 0;
    int result_ = 0;
    int okPresses_ = 0;
    mutable std::vector<std::string> faults_;
};

}  // namespace daub
