#include "platform/win32/win32_api.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_platform.h"

namespace daub {

namespace {

// Room for the longest path Windows can give back.
constexpr std::size_t kFileNameCapacity = 32768;

// "a|b|" becomes "a\0b\0\0": the dialog reads pairs up to an empty string.
std::wstring FilterText(const std::string& filter) {
    std::wstring text = Widen(filter);
    std::replace(text.begin(), text.end(), L'|', L'\0');
    text.push_back(L'\0');
    return text;
}

std::vector<wchar_t> FileNameBuffer(const std::string& initialPath) {
    std::vector<wchar_t> buffer(kFileNameCapacity, L'\0');
    const std::wstring path = Widen(initialPath);
    std::copy_n(path.begin(), std::min(path.size(), kFileNameCapacity - 1), buffer.begin());
    return buffer;
}

// The colour dialog's sixteen custom colours, kept from one use to the next.
COLORREF customColours[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                              0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                              0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};

}  // namespace

// The read-only box is hidden: nothing here opens a file read-only.
std::optional<std::string> Win32Platform::AskFileName(WindowHandle owner,
                                                      const FileDialogRequest& request) {
    const std::wstring filter = FilterText(request.filter);
    const std::wstring extension = Widen(request.defaultExtension);
    std::vector<wchar_t> name = FileNameBuffer(request.initialPath);
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ToHwnd(owner);
    dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_HIDEREADONLY | (request.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = request.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) return std::nullopt;
    return Narrow(name.data());
}

std::optional<std::uint32_t> Win32Platform::ChooseColour(WindowHandle owner,
                                                         std::uint32_t initial) {
    CHOOSECOLORW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ToHwnd(owner);
    dialog.rgbResult = initial;
    dialog.lpCustColors = customColours;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&dialog)) return std::nullopt;
    return dialog.rgbResult;
}

}  // namespace daub
