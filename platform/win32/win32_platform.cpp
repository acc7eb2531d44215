#include "platform/win32/win32_platform.h"

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/window_procedure.h"
#include "platform/window.h"

namespace daub {

MutexHandle Win32Platform::OpenNamedMutex(const std::string& name) {
    return FromHandle(OpenMutexW(MUTEX_ALL_ACCESS, FALSE, Widen(name).c_str()));
}

// A mutex that exists but may not be opened (another user's) is taken as existing too.
CreatedMutex Win32Platform::CreateNamedMutex(const std::string& name) {
    HANDLE handle = CreateMutexW(nullptr, FALSE, Widen(name).c_str());
    const DWORD error = GetLastError();
    CreatedMutex created;
    created.handle = FromHandle(handle);
    created.alreadyExisted =
        error == ERROR_ALREADY_EXISTS || (!handle && error == ERROR_ACCESS_DENIED);
    return created;
}

void Win32Platform::ReleaseNamedMutex(MutexHandle mutex) {
    if (mutex) ReleaseMutex(ToHandle(mutex));
}

void Win32Platform::CloseMutexHandle(MutexHandle mutex) {
    if (mutex) CloseHandle(ToHandle(mutex));
}

int Win32Platform::ShowMessageBox(WindowHandle owner, const std::string& text,
                                  const std::string& caption, unsigned type) {
    return MessageBoxW(ToHwnd(owner), Widen(text).c_str(), Widen(caption).c_str(), type);
}

bool Win32Platform::RegisterWindowClass(const WindowClass& windowClass) {
    const std::wstring name = Widen(windowClass.name);
    const std::wstring icon = Widen(windowClass.iconName);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = windowClass.style;
    wc.lpfnWndProc = WindowProcedure;
    wc.hInstance = instance_;
    wc.hIcon = icon.empty() ? nullptr : LoadIconW(instance_, icon.c_str());
    wc.hCursor = ClassCursor(windowClass.cursorResource);
    wc.hbrBackground = ClassBrush(windowClass.background);
    wc.lpszClassName = name.c_str();
    if (RegisterClassExW(&wc)) return true;
    if (!windowClass.background.systemColour) DeleteObject(wc.hbrBackground);
    return false;
}

WindowHandle Win32Platform::CreateNativeWindow(Window& window, const WindowSpec& spec) {
    HWND hwnd = CreateWindowExW(spec.exStyle, Widen(spec.className).c_str(),
                                Widen(spec.title).c_str(), spec.style, spec.x, spec.y, spec.width,
                                spec.height, ToHwnd(spec.parent), nullptr, instance_, &window);
    return FromHwnd(hwnd);
}

void Win32Platform::ShowNativeWindow(WindowHandle window, int showCommand) {
    ShowWindow(ToHwnd(window), showCommand);
}

void Win32Platform::UpdateNativeWindow(WindowHandle window) {
    UpdateWindow(ToHwnd(window));
}

void Win32Platform::DestroyNativeWindow(WindowHandle window) {
    DestroyWindow(ToHwnd(window));
}

void Win32Platform::AbandonWindow(WindowHandle window) {
    ForgetWindowObject(ToHwnd(window));
    DestroyWindow(ToHwnd(window));
}

void Win32Platform::SetScrollBar(WindowHandle window, int bar, const ScrollInfo& info,
                                 bool redraw) {
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = info.mask;
    si.nMin = info.min;
    si.nMax = info.max;
    si.nPage = info.page;
    si.nPos = info.pos;
    si.nTrackPos = info.trackPos;
    SetScrollInfo(ToHwnd(window), bar, &si, redraw);
}

bool Win32Platform::PostWindowMessage(WindowHandle window, const Message& message) {
    return PostMessageW(ToHwnd(window), message.id, message.wParam, message.lParam) != 0;
}

std::intptr_t Win32Platform::SendWindowMessage(WindowHandle window, const Message& message) {
    return SendMessageW(ToHwnd(window), message.id, message.wParam, message.lParam);
}

PixelRect Win32Platform::WindowRect(WindowHandle window) {
    RECT rect = {};
    GetWindowRect(ToHwnd(window), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

PixelPoint Win32Platform::ScreenToClient(WindowHandle window, PixelPoint screen) {
    POINT point = {screen.x, screen.y};
    ::ScreenToClient(ToHwnd(window), &point);
    return {point.x, point.y};
}

PixelRect Win32Platform::ClientRect(WindowHandle window) {
    RECT rect = {};
    GetClientRect(ToHwnd(window), &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Platform::MoveNativeWindow(WindowHandle window, int x, int y, int width, int height,
                                     bool repaint) {
    MoveWindow(ToHwnd(window), x, y, width, height, repaint);
}

void Win32Platform::InvalidateWindow(WindowHandle window) {
    InvalidateRect(ToHwnd(window), nullptr, TRUE);
}

void Win32Platform::InvalidateWithoutErase(WindowHandle window) {
    InvalidateRect(ToHwnd(window), nullptr, FALSE);
}

void Win32Platform::RedrawNow(WindowHandle window) {
    RedrawWindow(ToHwnd(window), nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

// A solid brush given to a class is the class's own: Windows deletes it with the class.
HBRUSH Win32Platform::ClassBrush(const ClassBackground& background) const {
    if (background.systemColour)
        return reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background.value) + 1);
    return CreateSolidBrush(background.value);
}

// A cursor missing from the executable gives the system arrow, never no cursor at all.
HCURSOR Win32Platform::ClassCursor(int resource) const {
    HCURSOR cursor = nullptr;
    if (resource != 0) cursor = LoadCursorW(instance_, MAKEINTRESOURCEW(resource));
    return cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW);
}

}  // namespace daub
