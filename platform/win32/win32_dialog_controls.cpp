#include "platform/win32/win32_dialog_controls.h"

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

}  // namespace daub
