#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/device_context.h"
#include "platform/file_dialog.h"
#include "platform/handles.h"
#include "platform/message.h"
#include "platform/picture_codec.h"
#include "platform/scroll_info.h"
#include "platform/window_class.h"

namespace daub {

class Window;
class DialogModel;
class DialogControls;

// A bitmap resource as 24-bit pixels: rows bottom-up, blue, green, red per pixel, each row
// (3 * width + 3) & ~3 bytes.
struct LoadedBitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    int Stride() const { return (3 * width + 3) & ~3; }
    PixelImage Image() const { return {bits.data(), width, height, Stride()}; }
};

struct CreatedMutex {
    MutexHandle handle;
    bool alreadyExisted = false;  // the name was taken: the handle is to that mutex
};

// What the program asks of the operating system. Text is UTF-8 throughout; a backend
// converts at its own boundary. Win32 implements it for real, the headless backend in
// memory for tests.
class Platform {
  public:
    virtual ~Platform() = default;

    // Named mutexes. OpenNamedMutex gives a null handle when no mutex has that name.
    virtual MutexHandle OpenNamedMutex(const std::string& name) = 0;
    virtual CreatedMutex CreateNamedMutex(const std::string& name) = 0;
    virtual void ReleaseNamedMutex(MutexHandle mutex) = 0;
    virtual void CloseMutexHandle(MutexHandle mutex) = 0;

    // A modal message box, owned by the window or free-standing when owner is null; the
    // type is a combination of mb:: values, the result one of answer::.
    virtual int ShowMessageBox(WindowHandle owner, const std::string& text,
                               const std::string& caption, unsigned type) = 0;

    virtual bool RegisterWindowClass(const WindowClass& windowClass) = 0;
    // Makes the native window for the object, which receives its messages from then on
    // (creation messages included). Null on failure.
    virtual WindowHandle CreateNativeWindow(Window& window, const WindowSpec& spec) = 0;
    virtual void ShowNativeWindow(WindowHandle window, int showCommand) = 0;
    virtual void UpdateNativeWindow(WindowHandle window) = 0;
    virtual void DestroyNativeWindow(WindowHandle window) = 0;
    // The object is going away: stop routing messages to it, then destroy its window.
    virtual void AbandonWindow(WindowHandle window) = 0;
    virtual void SetScrollBar(WindowHandle window, int bar, const ScrollInfo& info,
                              bool redraw) = 0;
    virtual bool PostWindowMessage(WindowHandle window, const Message& message) = 0;
    // Delivers the message at once and gives back the handler's result (SendMessage).
    virtual std::intptr_t SendWindowMessage(WindowHandle window, const Message& message) = 0;
    virtual PixelRect WindowRect(WindowHandle window) = 0;  // screen coordinates
    // The client area, from (0, 0).
    virtual PixelRect ClientRect(WindowHandle window) = 0;
    // A screen position in the window's client coordinates.
    virtual PixelPoint ScreenToClient(WindowHandle window, PixelPoint screen) = 0;
    virtual void MoveNativeWindow(WindowHandle window, int x, int y, int width, int height,
                                  bool repaint) = 0;
    // Asks for a WM_PAINT of the whole client area, the background erased first.
    virtual void InvalidateWindow(WindowHandle window) = 0;
    // The same without the erase, for a window whose painting covers its whole client area:
    // erasing first would only make it flicker. An erase asked for earlier still happens.
    virtual void InvalidateWithoutErase(WindowHandle window) = 0;
    // Erases the background and repaints at once (RedrawWindow with erase and update now).
    virtual void RedrawNow(WindowHandle window) = 0;
    // Drawing in WM_PAINT (BeginPaint until the context is gone, then EndPaint).
    virtual std::unique_ptr<DeviceContext> PaintContext(WindowHandle window) = 0;
    // Drawing on the client area outside WM_PAINT (GetDC); the context lives until released.
    virtual std::unique_ptr<DeviceContext> ClientContext(WindowHandle window) = 0;

    // Menus. Positions count from 0; MenuItemId gives -1 for an item that opens a submenu.
    virtual MenuHandle LoadMenuResource(const std::string& name) = 0;
    virtual void SetWindowMenu(WindowHandle window, MenuHandle menu) = 0;
    virtual MenuHandle WindowMenu(WindowHandle window) = 0;
    virtual MenuHandle SubMenu(MenuHandle menu, int position) = 0;
    virtual int MenuItemCount(MenuHandle menu) = 0;
    virtual int MenuItemId(MenuHandle menu, int position) = 0;
    virtual void DeleteMenuItemAt(MenuHandle menu, int position) = 0;
    virtual void AppendMenuItem(MenuHandle menu, int id, const std::string& text, bool enabled) = 0;
    // By command id, anywhere in the menu and its submenus.
    virtual void CheckMenuItem(MenuHandle menu, int id, bool checked) = 0;
    virtual void EnableMenuItem(MenuHandle menu, int id, bool enabled) = 0;
    // A popup menu of the program's own, filled with AppendMenuItem and destroyed by its maker.
    virtual MenuHandle MakePopupMenu() = 0;
    virtual void DestroyPopupMenu(MenuHandle menu) = 0;
    // Opens the popup at the screen position, owned by the window, and waits for the user:
    // the id of the item chosen, 0 when the menu was dismissed. No WM_COMMAND is sent.
    virtual int TrackPopupMenu(MenuHandle menu, WindowHandle owner, int screenX, int screenY) = 0;
    // Keyboard messages for the window go through the accelerator table first.
    virtual void UseAccelerators(const std::string& tableName, WindowHandle target) = 0;

    // Cursors and the mouse.
    virtual CursorHandle LoadCursorResource(int id) = 0;
    virtual void SetCursor(CursorHandle cursor) = 0;
    virtual void SetCapture(WindowHandle window) = 0;
    virtual void ReleaseCapture() = 0;

    // Dialogs from the executable's templates. A modeless dialog's window object gets its
    // messages like any window (WM_INITDIALOG first); RunModalDialog gives 1 for OK, 2 for
    // Cancel.
    virtual WindowHandle CreateModelessDialog(Window& window, int templateId,
                                              WindowHandle owner) = 0;
    virtual int RunModalDialog(DialogModel& model, WindowHandle owner) = 0;
    // The controls of a dialog made by CreateModelessDialog, from its WM_INITDIALOG on; what
    // the user does to them reaches the dialog's object as WM_COMMAND. Null for any other
    // window.
    virtual DialogControls* ModelessControls(WindowHandle dialog) = 0;
    // The open or save dialog; nothing when the user cancels.
    virtual std::optional<std::string> AskFileName(WindowHandle owner,
                                                   const FileDialogRequest& request) = 0;
    // The colour dialog, starting at initial; nothing when the user cancels.
    virtual std::optional<std::uint32_t> ChooseColour(WindowHandle owner,
                                                      std::uint32_t initial) = 0;

    // A bitmap resource of the executable, by name; nothing when there is none.
    virtual std::optional<LoadedBitmap> LoadBitmapResource(const std::string& name) = 0;

    // The clipboard holds at most one picture, given and taken as 24-bit pixels.
    virtual bool ClipboardHasBitmap() = 0;
    virtual bool PutClipboardBitmap(WindowHandle owner, const PixelImage& picture) = 0;
    // The picture as width, height and bottom-up 24-bit rows of (3 * width + 3) & ~3 bytes.
    struct ClipboardPicture {
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> bits;
        // There is a picture, but larger than a slot can hold or the memory left allows;
        // bits is then empty.
        bool tooLarge = false;
    };
    virtual std::optional<ClipboardPicture> TakeClipboardBitmap(WindowHandle owner) = 0;

    // The codecs for picture files other than BMP.
    virtual PictureCodec& Pictures() = 0;

    // The files of a WM_DROPFILES (its wParam); the drop is finished afterwards.
    virtual std::vector<std::string> DroppedFiles(std::uintptr_t drop) = 0;

    // The executable's full path, and the process's current directory.
    virtual std::string ModulePath() = 0;
    virtual bool ChangeDirectory(const std::string& path) = 0;

    // Runs the message loop until PostQuit; gives back the exit code that was posted.
    virtual int RunMessageLoop() = 0;
    virtual void PostQuit(int exitCode) = 0;
};

}  // namespace daub
