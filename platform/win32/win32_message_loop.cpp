#include "platform/win32/dialog_procedure.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_platform.h"

namespace daub {

// A table loaded from the executable's resources is freed with the module, so replacing it
// needs no clean-up.
void Win32Platform::UseAccelerators(const std::string& tableName, WindowHandle target) {
    accelerators_ = LoadAcceleratorsW(instance_, Widen(tableName).c_str());
    acceleratorTarget_ = ToHwnd(target);
}

// Keys pressed in the target or its child windows only: a modeless dialog keeps its own
// keys (Ctrl+C in one of its edit boxes copies text, not the picture's range).
bool Win32Platform::Accelerate(MSG& msg) const {
    if (!accelerators_ || !acceleratorTarget_) return false;
    if (msg.hwnd != acceleratorTarget_ && !IsChild(acceleratorTarget_, msg.hwnd)) return false;
    return TranslateAcceleratorW(acceleratorTarget_, accelerators_, &msg) != 0;
}

int Win32Platform::RunMessageLoop() {
    MSG msg = {};
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        if (Accelerate(msg)) continue;
        if (HWND dialog = ModelessDialogOf(msg.hwnd); dialog && IsDialogMessageW(dialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return got == 0 ? static_cast<int>(msg.wParam) : 1;
}

void Win32Platform::PostQuit(int exitCode) {
    PostQuitMessage(exitCode);
}

}  // namespace daub
