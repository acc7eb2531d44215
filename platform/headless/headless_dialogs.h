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
    void SetSliderRange(int control, int low, int high) override;
    int SliderPosition(int control) const override;
    void SetSliderPosition(int control, int position) override;
    void AddListItem(int control, const std::string& text) override;
    std::string ListItem(int control, int index) const override;
    int ListSelection(int control) const override;
    void SelectListItem(int control, int index) override;
    // Paints the model's drawing into the dialog's surface at once (the area only says
    // what is due; the model may draw anywhere).
    void Redraw(const PixelRect& area) override;

    // The first paint, as the dialog appears: the background, then the model's drawing.
    void PaintWhole();

    // The user types a new text into a control (the model hears EN_CHANGE).
    void Type(int control, const std::string& text);
    // The user clicks a control: an auto check box toggles, IDOK and IDCANCEL press OK and
    // Cancel, anything else reaches the model as BN_CLICKED.
    void Click(int control);
    // OK closes the dialog with 1 only when the model's Save accepts what was typed.
    void PressOk();
    void PressCancel();
    // The user drags a trackbar's thumb with the mouse and lets go: the model hears the move,
    // then the release.
    void DragSlider(int control, int position);
    // The user moves the thumb with the keyboard: the model hears only the move.
    void SlideWithKeys(int control, int position);
    // The user picks the item with this text from a drop-down list (CBN_SELCHANGE); a text
    // the list lacks is a fault.
    void PickListItem(int control, const std::string& text);

    bool IsOpen() const { return result_ == 0; }
    int Result() const { return result_; }  // 1 OK, 2 Cancel; 0 while open
    int FocusedControl() const { return focus_; }
    int OkPresses() const { return okPresses_; }
    WindowHandle Handle() const { return handle_; }
    const DialogTemplate* Template() const { return template_; }
    const std::vector<std::string>& Faults() const { return faults_; }
    // A drop-down list's items in the order shown.
    std::vector<std::string> ListItems(int control) const;
    int Redraws() const { return redraws_; }

  private:
    struct ControlState {
        std::string text;
        bool checked = false;
        int low = 0;  // a trackbar's range and position
        int high = 100;
        int position = 0;
        bool list = false;    // a combo box: its text is the selected item's
        bool sorted = false;  // a list with CBS_SORT
        std::vector<std::string> items;
        int selection = -1;
    };
    void MoveSlider(int control, int position);
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
    int redraws_ = 0;
    mutable std::vector<std::string> faults_;
};

// A modeless dialog's controls, which the test types into and clicks like a modal one's;
// every change reaches the dialog's window object as WM_COMMAND, as on Windows.
class HeadlessModeless {
  public:
    HeadlessModeless(Platform& platform, int templateId, const DialogTemplate* dialogTemplate,
                     WindowHandle handle)
        : relay_(platform, templateId, handle),
          controls_(platform, relay_, dialogTemplate, handle) {}

    HeadlessDialog& Controls() { return controls_; }

  private:
    class Relay final : public DialogModel {
      public:
        Relay(Platform& platform, int templateId, WindowHandle dialog)
            : platform_(platform), templateId_(templateId), dialog_(dialog) {}
        int TemplateId() const override { return templateId_; }
        void Load(DialogControls&) override {}
        bool Save(DialogControls&) override { return true; }
        void OnCommand(DialogControls&, int control, int notification) override;

      private:
        Platform& platform_;
        int templateId_;
        WindowHandle dialog_;
    };

    Relay relay_;
    HeadlessDialog controls_;
};

}  // namespace daub
