#include "platform/win32/win32_api.h"

#include <commctrl.h>

#include <optional>

#include "platform/dialog_model.h"
#include "platform/win32/dialog_procedure.h"
#include "platform/win32/win32_device_context.h"
#include "platform/win32/win32_dialog_controls.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_platform.h"

namespace daub {

namespace {

// Templates may hold trackbars, whose window class exists only once comctl32 registered it.
void RegisterCommonControls() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls) != 0;
    }();
    (void)registered;
}

// A modal dialog while it runs: the model and the controls it is shown through.
struct ModalSession {
    DialogModel& model;
    std::optional<Win32DialogControls> controls;
};

INT_PTR StartSession(HWND hwnd, LPARAM lParam) {
    auto* session = reinterpret_cast<ModalSession*>(lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    session->controls.emplace(hwnd);
    session->model.Load(*session->controls);
    return session->controls->FocusWasSet() ? FALSE : TRUE;
}

void Command(ModalSession& session, HWND hwnd, WPARAM wParam) {
    const int control = LOWORD(wParam);
    if (control == IDOK) {
        if (session.model.Save(*session.controls)) EndDialog(hwnd, IDOK);
    } else if (control == IDCANCEL) {
        EndDialog(hwnd, IDCANCEL);
    } else {
        session.model.OnCommand(*session.controls, control, HIWORD(wParam));
    }
}

// Common controls report through WM_NOTIFY; the model hears those as control events too,
// with the notification code (NM_RELEASEDCAPTURE and the like) in place of the command's.
void Notify(ModalSession& session, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    session.model.OnCommand(*session.controls, static_cast<int>(header->idFrom),
                            static_cast<int>(header->code));
}

// A trackbar reports every move of its thumb, by mouse or keys, as a scroll message.
void Scroll(ModalSession& session, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control) session.model.OnCommand(*session.controls, GetDlgCtrlID(control), kSliderMoved);
}

void Paint(ModalSession& session, HWND hwnd) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    if (dc) {
        Win32DeviceContext context(dc);
        session.model.Paint(*session.controls, context);
    }
    EndPaint(hwnd, &paint);
}

INT_PTR CALLBACK ModalDialogProcedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
    if (id == WM_INITDIALOG) return StartSession(hwnd, lParam);
    auto* session = reinterpret_cast<ModalSession*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!session) return FALSE;
    if (id == WM_COMMAND) {
        Command(*session, hwnd, wParam);
        return TRUE;
    }
    if (id == WM_NOTIFY) Notify(*session, lParam);
    if (id == WM_HSCROLL || id == WM_VSCROLL) {
        Scroll(*session, lParam);
        return TRUE;
    }
    if (id == WM_PAINT) {
        Paint(*session, hwnd);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

WindowHandle Win32Platform::CreateModelessDialog(Window& window, int templateId,
                                                 WindowHandle owner) {
    RegisterCommonControls();
    return FromHwnd(CreateDialogParamW(instance_, MAKEINTRESOURCEW(templateId), ToHwnd(owner),
                                       ModelessDialogProcedure, reinterpret_cast<LPARAM>(&window)));
}

DialogControls* Win32Platform::ModelessControls(WindowHandle dialog) {
    HWND hwnd = ToHwnd(dialog);
    if (!hwnd || ModelessDialogOf(hwnd) != hwnd) return nullptr;
    std::unique_ptr<Win32DialogControls>& controls = modelessControls_[hwnd];
    if (!controls) controls = std::make_unique<Win32DialogControls>(hwnd);
    return controls.get();
}

// A dialog that could not be shown counts as cancelled: the caller changes nothing.
int Win32Platform::RunModalDialog(DialogModel& model, WindowHandle owner) {
    RegisterCommonControls();
    ModalSession session{model, std::nullopt};
    const INT_PTR result =
        DialogBoxParamW(instance_, MAKEINTRESOURCEW(model.TemplateId()), ToHwnd(owner),
                        ModalDialogProcedure, reinterpret_cast<LPARAM>(&session));
    return result == IDOK ? IDOK : IDCANCEL;
}

}  // namespace daub
