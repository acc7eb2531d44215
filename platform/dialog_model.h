#pragma once

#include <string>

#include "platform/device_context.h"

namespace daub {

// Notification codes a model hears in OnCommand, with the numbers the controls send.
inline constexpr int kButtonClicked = 0;         // BN_CLICKED
inline constexpr int kListSelectionChanged = 1;  // CBN_SELCHANGE
inline constexpr int kEditChanged = 0x0300;      // EN_CHANGE
inline constexpr int kSliderReleased = -16;      // NM_RELEASEDCAPTURE: a mouse drag ended
// WM_HSCROLL from a trackbar, by mouse or keys; outside every 16-bit command code.
inline constexpr int kSliderMoved = 0x10000;

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

    // Trackbars: a range of 0 … 100 until set; a position outside the range is moved into it.
    virtual void SetSliderRange(int control, int low, int high) = 0;
    virtual int SliderPosition(int control) const = 0;
    virtual void SetSliderPosition(int control, int position) = 0;

    // Drop-down lists. A sorted list puts each new item in its place, so indices are those of
    // the list as shown; the selection is -1 while none is chosen.
    virtual void AddListItem(int control, const std::string& text) = 0;
    // The item's text, empty outside the list.
    virtual std::string ListItem(int control, int index) const = 0;
    virtual int ListSelection(int control) const = 0;
    virtual void SelectListItem(int control, int index) = 0;

    // Paints the area (client pixels) now, through the model's Paint.
    virtual void Redraw(const PixelRect& area) = 0;
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
    // The model's own drawing on the dialog's client area, in client pixels, whenever the
    // dialog is painted; the controls draw themselves. The default draws nothing.
    virtual void Paint(DialogControls&, DeviceContext&) {}
};

}  // namespace daub
