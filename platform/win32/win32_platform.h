#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace daub {

// The real backend: the wide-character Win32 API, with text converted from UTF-8 here.
class Win32Platform : public Platform {
  public:
    explicit Win32Platform(HINSTANCE instance) : instance_(instance) {}

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

    int RunMessageLoop() override;
    void PostQuit(int exitCode) override;

  private:
    HBRUSH ClassBrush(const ClassBackground& background) const;
    HCURSOR ClassCursor(int resource) const;

    HINSTANCE instance_;
};

}  // namespace daub
