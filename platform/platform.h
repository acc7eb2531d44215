#pragma once

#include <string>

#include "platform/handles.h"
#include "platform/message.h"
#include "platform/scroll_info.h"
#include "platform/window_class.h"

namespace daub {

class Window;

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

    // Runs the message loop until PostQuit; gives back the exit code that was posted.
    virtual int RunMessageLoop() = 0;
    virtual void PostQuit(int exitCode) = 0;
};

}  // namespace daub
