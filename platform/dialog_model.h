#pragma once

#include <string>

namespace daub {

// The controls of a dialog as its model sees them, by control id. Text is UTF-8.
class DialogControls {
  public:
    virtual ~DialogControls() = default;

    virtual std::string Text(int control) const = 0;
    virtual void SetText(int control, const std::string& text) = 0;
    virtual bool Checked(int control) const = 0;
    virtual void SetChecked(int control, bool checked) = 0;
    virtual void Focus(int control) = 0;
    // A message box owned by the dialog.
    virtual int ShowMessageBox(const std::string& text, const std::string& caption,
                               unsigned type) = 0;
};

// A modal dialog's behaviour, apart from how a backend shows it: the fields it edits, how
// they are put into the controls and read back, and what OK needs.
class DialogModel {
  public:
    virtual ~DialogModel() = default;

    // The dialog template's resource id.
    virtual int TemplateId() const = 0;
    // The fields go into the controls when the dialog opens.
    virtual void Load(DialogControls& controls) = 0;
    // OK was pressed: reads the controls back. False keeps the dialog open (the model has
    // told the user and put the focus where the fault is).
    virtual bool Save(DialogControls& controls) = 0;
    // Any other control event (button clicks and the like); the default does nothing.
    virtual void OnCommand(DialogControls&, int /*control*/, int /*notification*/) {}
};

}  // namespace daub
