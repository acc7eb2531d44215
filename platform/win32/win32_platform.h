#pragma once

#include "platform/win32/win32_api.h"

#include <map>
#include <memory>

#include "platform/platform.h"
#include "platform/win32/win32_dialog_controls.h"
#include "platform/win32/wic_codec.h"

namespace daub {

// The real backend: the wide-character Win32 API, with text converted from UTF-8 here. The
// methods are spread over the win32_*.cpp files by subject.
class Win32Platform : public Platform {
  public:
    explicit Win32Platform(HINSTANCE instance) : instance_(instance) {}

    // win32_platform.cpp: kernel objects, message boxes, windows and their messages.
    MutexHandle OpenNamedMutex(const std::string& name) override;
    CreatedMutex CreateNamedMutex(const std::string& name) override;
    void ReleaseNamedMutex(MutexHandle mutex) override;
    void CloseMutexHandle(MutexHandle mutex) override;

    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned type) override;

    bool RegisterWindowClass(const WindowClass& windowClass) override;
    WindowHandle CreateNativeWindow(Window& window, const WindowSpec& spec) override;
    void ShowNativeWindow(WindowHandle window, int showCommand) override;
    void UpdateNativeWindow(WindowHandle window) override;
    void DestroyNativeWindow(WindowHandle window) override;
    void AbandonWindow(WindowHandle window) override;
    void SetScrollBar(WindowHandle window, int bar, const ScrollInfo& info, bool redraw) override;
    bool PostWindowMessage(WindowHandle window, const Message& message) override;
    std::intptr_t SendWindowMessage(WindowHandle window, const Message& message) override;
    PixelRect WindowRect(WindowHandle window) override;
    PixelRect ClientRect(WindowHandle window) override;
    PixelPoint ScreenToClient(WindowHandle window, PixelPoint screen) override;
    void MoveNativeWindow(WindowHandle window, int x, int y, int width, int height,
                          bool repaint) override;
    void InvalidateWindow(WindowHandle window) override;
    void InvalidateWithoutErase(WindowHandle window) override;
    void RedrawNow(WindowHandle window) override;

    // win32_device_context.cpp
    std::unique_ptr<DeviceContext> PaintContext(WindowHandle window) override;
    std::unique_ptr<DeviceContext> ClientContext(WindowHandle window) override;

    // win32_menus.cpp
    MenuHandle LoadMenuResource(const std::string& name) override;
    void SetWindowMenu(WindowHandle window, MenuHandle menu) override;
    MenuHandle WindowMenu(WindowHandle window) override;
    MenuHandle SubMenu(MenuHandle menu, int position) override;
    int MenuItemCount(MenuHandle menu) override;
    int MenuItemId(MenuHandle menu, int position) override;
    void DeleteMenuItemAt(MenuHandle menu, int position) override;
    void AppendMenuItem(MenuHandle menu, int id, const std::string& text, bool enabled) override;
    void CheckMenuItem(MenuHandle menu, int id, bool checked) override;
    void EnableMenuItem(MenuHandle menu, int id, bool enabled) override;
    MenuHandle MakePopupMenu() override;
    void DestroyPopupMenu(MenuHandle menu) override;
    int TrackPopupMenu(MenuHandle menu, WindowHandle owner, int screenX, int screenY) override;

    // win32_mouse.cpp
    CursorHandle LoadCursorResource(int id) override;
    void SetCursor(CursorHandle cursor) override;
    void SetCapture(WindowHandle window) override;
    void ReleaseCapture() override;

    // win32_dialogs.cpp
    WindowHandle CreateModelessDialog(Window& window, int templateId, WindowHandle owner) override;
    int RunModalDialog(DialogModel& model, WindowHandle owner) override;
    DialogControls* ModelessControls(WindowHandle dialog) override;

    // win32_common_dialogs.cpp
    std::optional<std::string> AskFileName(WindowHandle owner,
                                           const FileDialogRequest& request) override;
    std::optional<std::uint32_t> ChooseColour(WindowHandle owner, std::uint32_t initial) override;

    // win32_clipboard.cpp
    std::optional<LoadedBitmap> LoadBitmapResource(const std::string& name) override;

    bool ClipboardHasBitmap() override;
    bool PutClipboardBitmap(WindowHandle owner, const PixelImage& picture) override;
    std::optional<ClipboardPicture> TakeClipboardBitmap(WindowHandle owner) override;

    // win32_shell.cpp
    std::vector<std::string> DroppedFiles(std::uintptr_t drop) override;
    PictureCodec& Pictures() override { return pictures_; }
    std::string ModulePath() override;
    bool ChangeDirectory(const std::string& path) override;

    // win32_message_loop.cpp
    void UseAccelerators(const std::string& tableName, WindowHandle target) override;
    int RunMessageLoop() override;
    void PostQuit(int exitCode) override;

  private:
    HBRUSH ClassBrush(const ClassBackground& background) const;
    HCURSOR ClassCursor(int resource) const;
    bool Accelerate(MSG& msg) const;

    HINSTANCE instance_;
    HACCEL accelerators_ = nullptr;
    HWND acceleratorTarget_ = nullptr;
    // Made when first asked for; a handle used again by a later dialog finds controls that
    // hold nothing but the handle.
    std::map<HWND, std::unique_ptr<Win32DialogControls>> modelessControls_;
    WicCodec pictures_;
};

}  // namespace daub
