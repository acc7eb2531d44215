#include "platform/win32/win32_dialog_controls.h"

#include <commctrl.h>

#include "platform/win32/wide_text.h"

namespace daub {

std::string Win32DialogControls::Text(int control) const {
    HWND item = GetDlgItem(dialog_, control);
    if (!item) return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
    const UINT length =
        GetDlgItemTextW(dialog_, control, text.data(), static_cast<int>(text.size()));
    text.resize(length);
    return Narrow(text);
}

void Win32DialogControls::SetText(int control, const std::string& text) {
    SetDlgItemTextW(dialog_, control, Widen(text).c_str());
}

bool Win32DialogControls::Checked(int control) const {
    return IsDlgButtonChecked(dialog_, control) == BST_CHECKED;
}

void Win32DialogControls::SetChecked(int control, bool checked) {
    CheckDlgButton(dialog_, control, checked ? BST_CHECKED : BST_UNCHECKED);
}

// WM_NEXTDLGCTL rather than SetFocus, so that the default button and an edit box's
// selection follow the focus as they do when the user tabs there.
void Win32DialogControls::Focus(int control) {
    HWND item = GetDlgItem(dialog_, control);
    if (!item) return;
    SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item), TRUE);
    focusSet_ = true;
}

int Win32DialogControls::ShowMessageBox(const std::string& text, const std::string& caption,
                                        unsigned type) {
    return MessageBoxW(dialog_, Widen(text).c_str(), Widen(caption).c_str(), type);
}

void Win32DialogControls::SetSliderRange(int control, int low, int high) {
    SendDlgItemMessageW(dialog_, control, TBM_SETRANGEMIN, FALSE, low);
    SendDlgItemMessageW(dialog_, control, TBM_SETRANGEMAX, TRUE, high);
}

int Win32DialogControls::SliderPosition(int control) const {
    return static_cast<int>(SendDlgItemMessageW(dialog_, control, TBM_GETPOS, 0, 0));
}

void Win32DialogControls::SetSliderPosition(int control, int position) {
    SendDlgItemMessageW(dialog_, control, TBM_SETPOS, TRUE, position);
}

void Win32DialogControls::AddListItem(int control, const std::string& text) {
    const std::wstring wide = Widen(text);
    SendDlgItemMessageW(dialog_, control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string Win32DialogControls::ListItem(int control, int index) const {
    const LRESULT length = SendDlgItemMessageW(dialog_, control, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || index < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendDlgItemMessageW(dialog_, control, CB_GETLBTEXT, index,
                                               reinterpret_cast<LPARAM>(text.data()));
    if (copied == CB_ERR) return {};
    text.resize(static_cast<std::size_t>(copied));
    return Narrow(text);
}

int Win32DialogControls::ListSelection(int control) const {
    const LRESULT selection = SendDlgItemMessageW(dialog_, control, CB_GETCURSEL, 0, 0);
    return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

void Win32DialogControls::SelectListItem(int control, int index) {
    SendDlgItemMessageW(dialog_, control, CB_SETCURSEL, index, 0);
}

// The model paints in WM_PAINT; the area is not erased first, since the model covers it.
void Win32DialogControls::Redraw(const PixelRect& area) {
    const RECT rect = {area.left, area.top, area.right, area.bottom};
    InvalidateRect(dialog_, &rect, FALSE);
    UpdateWindow(dialog_);
}

}  // namespace daub
