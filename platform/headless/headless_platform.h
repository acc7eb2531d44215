#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/headless_device_context.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_kernel.h"
#include "platform/headless/headless_menus.h"
#include "platform/headless/png_codec.h"
#include "platform/headless/resource_script.h"
#include "platform/platform.h"
#include "platform/window.h"

namespace daub {

struct RecordedMessageBox {
    WindowHandle owner;
    std::string text;
    std::string caption;
    unsigned type = 0;
    int answer = 0;
    WindowHandle capture;  // the window holding the mouse capture while the box was open
};

struct RecordedDialog {
    int templateId = 0;
    WindowHandle owner;
    WindowHandle handle;  // the dialog's own window, gone once it closed
    int result = 0;       // 1 OK, 2 Cancel, -1 when the script has no such template
    int okPresses = 0;
    std::vector<std::string> faults;  // controls the model used that the template lacks
};

struct RecordedFileDialog {
    WindowHandle owner;
    FileDialogRequest request;
    std::optional<std::string> answer;
};

struct RecordedColourDialog {
    WindowHandle owner;
    std::uint32_t initial = 0;
    std::optional<std::uint32_t> answer;
};

struct RecordedPopupMenu {
    MenuHandle menu;
    WindowHandle owner;
    int x = 0;  // screen coordinates
    int y = 0;
    std::vector<MenuItemState> items;  // as they were when it opened
    int answer = 0;                    // the id chosen, 0 when dismissed
};

struct HeadlessWindow {
    Window* object = nullptr;  // null once the object has let go of it
    WindowSpec spec;
    bool alive = true;
    bool visible = false;
    int showCommand = -1;  // the last one given, -1 before any
    int updates = 0;
    ScrollInfo scrollBars[2];
    // Screen coordinates. Windows have no frame here: the client area is the whole rectangle.
    PixelRect rect;
    MenuHandle menu;
    int invalidations = 0;
    // Of those, the ones that asked for the background to be erased first.
    int erasingInvalidations = 0;
    bool needsPaint = false;  // a WM_PAINT is due
    bool needsErase = false;  // the next paint context starts from the class background
    std::shared_ptr<HeadlessSurface> surface;
    // Dialogs: the template and its rectangle in dialog units (position relative to the owner).
    int dialogTemplate = 0;
    PixelRect dialogUnits;
    bool dialog = false;
};

// An lParam of two 16-bit halves, as MAKELPARAM makes it (mouse positions, sizes).
constexpr std::intptr_t MakeLParam(int low, int high) {
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(low) & 0xFFFF) |
                                      ((static_cast<std::uint32_t>(high) & 0xFFFF) << 16));
}

// What PressKey made of a key.
enum class KeyOutcome {
    kCommand,     // an accelerator sent its WM_COMMAND
    kSuppressed,  // an accelerator matched, but its menu item is disabled
    kKeyDown,     // no accelerator: the window got WM_KEYDOWN
};

// One process's view of the platform, in memory: it records what the program showed and
// answers message boxes, dialogs and pickers from scripts the test gives. Resources come
// from a resource script in place of an executable. Without one there are no menus or
// accelerators, dialogs have no template (no title, no size, any control id) and any cursor
// id loads.
class HeadlessPlatform : public Platform {
  public:
    explicit HeadlessPlatform(HeadlessKernel& kernel, const ResourceScript* resources = nullptr);

    MutexHandle OpenNamedMutex(const std::string& name) override;
    CreatedMutex CreateNamedMutex(const std::string& name) override;
    void ReleaseNamedMutex(MutexHandle mutex) override;
    void CloseMutexHandle(MutexHandle mutex) override;

    int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                       unsigned type) override;

    bool RegisterWindowClass(const WindowClass& windowClass) override;
    WindowHandle CreateNativeWindow(Window& window, const WindowSpec& spec) override;
    void ShowNativeWindow(WindowHandle window, int showCommand) override;
    // Delivers a WM_PAINT when one is due, as UpdateWindow does.
    void UpdateNativeWindow(WindowHandle window) override;
    void DestroyNativeWindow(WindowHandle window) override;
    void AbandonWindow(WindowHandle window) override;
    void SetScrollBar(WindowHandle window, int bar, const ScrollInfo& info, bool redraw) override;
    bool PostWindowMessage(WindowHandle window, const Message& message) override;
    std::intptr_t SendWindowMessage(WindowHandle window, const Message& message) override;
    PixelRect WindowRect(WindowHandle window) override;
    // Windows have no frame here: the client area is as large as the window.
    PixelRect ClientRect(WindowHandle window) override;
    PixelPoint ScreenToClient(WindowHandle window, PixelPoint screen) override;
    // A new size sends WM_SIZE and makes the whole window due for painting.
    void MoveNativeWindow(WindowHandle window, int x, int y, int width, int height,
                          bool repaint) override;
    // Counts, and makes a WM_PAINT due that erases the background first.
    void InvalidateWindow(WindowHandle window) override;
    // Counts, and makes a WM_PAINT due; the background is erased only if an earlier call
    // asked for it.
    void InvalidateWithoutErase(WindowHandle window) override;
    void RedrawNow(WindowHandle window) override;
    std::unique_ptr<DeviceContext> PaintContext(WindowHandle window) override;
    std::unique_ptr<DeviceContext> ClientContext(WindowHandle window) override;

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
    // Answers from popupAnswers: an id the popup holds and has enabled is chosen, anything
    // else dismisses it.
    int TrackPopupMenu(MenuHandle menu, WindowHandle owner, int screenX, int screenY) override;
    void UseAccelerators(const std::string& tableName, WindowHandle target) override;

    // A cursor's handle is its resource id.
    CursorHandle LoadCursorResource(int id) override;
    void SetCursor(CursorHandle cursor) override;
    void SetCapture(WindowHandle window) override;
    void ReleaseCapture() override;

    WindowHandle CreateModelessDialog(Window& window, int templateId, WindowHandle owner) override;
    int RunModalDialog(DialogModel& model, WindowHandle owner) override;
    DialogControls* ModelessControls(WindowHandle dialog) override;
    std::optional<std::string> AskFileName(WindowHandle owner,
                                           const FileDialogRequest& request) override;
    std::optional<std::uint32_t> ChooseColour(WindowHandle owner, std::uint32_t initial) override;

    // The file the resource script names for the bitmap, read from resourceFolder.
    std::optional<LoadedBitmap> LoadBitmapResource(const std::string& name) override;

    bool ClipboardHasBitmap() override;
    bool PutClipboardBitmap(WindowHandle owner, const PixelImage& picture) override;
    std::optional<ClipboardPicture> TakeClipboardBitmap(WindowHandle owner) override;

    std::vector<std::string> DroppedFiles(std::uintptr_t drop) override;
    PictureCodec& Pictures() override { return pictures_; }

    std::string ModulePath() override { return modulePath; }
    // Records the request and answers whether the directory exists on this machine; the
    // test process's own directory never changes.
    bool ChangeDirectory(const std::string& path) override;

    // Delivers the queued messages until a quit is posted or none is left, since nothing
    // else could ever arrive.
    int RunMessageLoop() override;
    void PostQuit(int exitCode) override { quitCode_ = exitCode; }

    // ---- For tests: the user and the machine. ----

    // Sends a message at once, as SendMessage does, with the default handling after it.
    std::intptr_t Send(WindowHandle window, const Message& message);
    // WM_PAINT now; and to every visible window that has one due.
    void Paint(WindowHandle window);
    void PaintPending();

    // The user opens the popup at this position of the window's menu bar: the window gets
    // WM_INITMENUPOPUP for it first, as before any menu opens. Null when there is none.
    MenuHandle OpenPopup(WindowHandle window, int popupIndex);
    // The user clicks the item through the menus: each popup on the way is opened (and so
    // updated) first. False, and no command, when the item is missing or then disabled.
    bool ChooseMenuItem(WindowHandle window, int id);
    // WM_COMMAND as a menu sends it, whatever the menu's state.
    std::intptr_t SendCommand(WindowHandle window, int id);
    // A key pressed in the window. The accelerators of the window or of a window it belongs
    // to come first, as TranslateAccelerator does them: the popup holding the command's
    // menu item is updated (not during a mouse capture), a disabled item swallows the key,
    // otherwise WM_COMMAND (high word 1) goes to the table's window. Any other key is a
    // WM_KEYDOWN of the window.
    KeyOutcome PressKey(WindowHandle window, int virtualKey, bool ctrl = false, bool shift = false);
    // The mouse moves over the window: WM_SETCURSOR (unless the mouse is captured), then
    // WM_MOUSEMOVE at (x, y).
    void MoveMouse(WindowHandle window, int x, int y);

    // The item with the command in the window's menu, submenus included.
    std::optional<MenuItemState> MenuItem(WindowHandle window, int id) const;
    const HeadlessMenus& Menus() const { return menus_; }

    // Files dropped from the shell: the drop's handle is the wParam of its WM_DROPFILES.
    std::uintptr_t RegisterDrop(std::vector<std::string> paths);
    // Registers a drop on the window and sends WM_DROPFILES, if the window accepts files.
    bool DropFiles(WindowHandle window, std::vector<std::string> paths);
    int UnfinishedDrops() const { return static_cast<int>(drops_.size()); }

    // Answers for the coming message boxes, in order; past them each box takes its default
    // button.
    std::deque<int> answers;
    // What the user does in the coming modal dialogs, one turn each, run after the model
    // has loaded the controls until the dialog closes; with none left a dialog is cancelled.
    std::deque<std::function<void(HeadlessDialog&)>> dialogScript;
    // Answers of the coming file and colour dialogs; nothing, or none left, cancels.
    std::deque<std::optional<std::string>> fileNameAnswers;
    std::deque<std::optional<std::uint32_t>> colourAnswers;
    // The items the user chooses in the coming popup menus; 0, or none left, dismisses one.
    std::deque<int> popupAnswers;
    std::string modulePath = "C:\\Daubix\\Daubix.exe";
    // Where the files the resource script names were built; the build tree's by default.
    std::string resourceFolder = BuiltResourceFolder();
    static std::string BuiltResourceFolder();

    // The controls of a modeless dialog, for the user to type into and click; null for any
    // other window.
    HeadlessDialog* ModelessDialog(WindowHandle dialog);

    const std::vector<RecordedMessageBox>& MessageBoxes() const { return messageBoxes_; }
    const std::vector<RecordedDialog>& Dialogs() const { return dialogs_; }
    const std::vector<RecordedFileDialog>& FileDialogs() const { return fileDialogs_; }
    const std::vector<RecordedColourDialog>& ColourDialogs() const { return colourDialogs_; }
    const std::vector<RecordedPopupMenu>& PopupMenus() const { return popupMenus_; }
    const WindowClass* FindClass(const std::string& name) const;
    const HeadlessWindow* Find(WindowHandle window) const;
    std::vector<WindowHandle> LiveWindows() const;
    const HeadlessSurface* Surface(WindowHandle window) const;
    CursorHandle CurrentCursor() const { return cursor_; }
    const std::vector<CursorHandle>& CursorHistory() const { return cursorHistory_; }
    WindowHandle Capture() const { return capture_; }
    const std::string& CurrentDirectory() const { return currentDirectory_; }
    const std::vector<std::string>& DirectoryRequests() const { return directoryRequests_; }

    // The class every dialog window has, as on Windows.
    static constexpr const char* kDialogClass = "#32770";
    // The cursor the system shows where no class cursor is set (IDC_ARROW).
    static constexpr int kArrowCursor = 32512;

  private:
    HeadlessWindow* Live(WindowHandle window);
    const HeadlessWindow* Live(WindowHandle window) const;
    WindowHandle NewWindow(Window* object, const WindowSpec& spec);
    std::uint32_t Background(const HeadlessWindow& record) const;
    void MarkForPaint(HeadlessWindow& record);
    std::intptr_t DefaultHandling(WindowHandle window, const Message& message);
    WindowSpec DialogSpec(const DialogTemplate* dialogTemplate, WindowHandle owner);
    void SendInitMenuPopup(WindowHandle window, const MenuPosition& step);
    KeyOutcome TranslateAccelerator(WindowHandle target, int command);

    HeadlessKernel& kernel_;
    const ResourceScript* resources_;
    std::vector<RecordedMessageBox> messageBoxes_;
    std::vector<RecordedDialog> dialogs_;
    std::vector<RecordedFileDialog> fileDialogs_;
    std::vector<RecordedColourDialog> colourDialogs_;
    std::vector<RecordedPopupMenu> popupMenus_;
    std::map<std::string, WindowClass> classes_;
    std::map<std::uintptr_t, HeadlessWindow> windows_;
    std::map<std::uintptr_t, std::unique_ptr<HeadlessModeless>> modeless_;  // by window
    std::uintptr_t nextWindow_ = 1;
    std::deque<std::pair<WindowHandle, Message>> posted_;
    std::optional<int> quitCode_;
    HeadlessMenus menus_;
    std::map<std::uintptr_t, const AcceleratorTable*> accelerators_;  // by window
    CursorHandle cursor_;
    std::vector<CursorHandle> cursorHistory_;
    WindowHandle capture_;
    std::map<std::uintptr_t, std::vector<std::string>> drops_;
    std::uintptr_t nextDrop_ = 0x7000;
    std::string currentDirectory_;
    std::vector<std::string> directoryRequests_;
    PngCodec pictures_;
};

}  // namespace daub
