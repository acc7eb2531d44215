#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/headless_kernel.h"
#include "platform/platform.h"
#include "platform/window.h"

namespace daub {

struct RecordedMessageBox {
    WindowHandle owner;
    std::string text;
    std::string caption;
    unsigned type = 0;
    int answer = 0;
};

struct HeadlessWindow {
    Window* object = nullptr;  // null once the object has let go of it
    WindowSpec spec;
    bool alive = true;
    bool visible = false;
    int showCommand = -1;  // the last one given, -1 before any
    int updates = 0;
    ScrollInfo scrollBars[2];
};

// One process's view of the platform, in memory: it records what the program showed and
// answers message boxes from a script the test gives.
class HeadlessPlatform : public Platform {
  public:
    explicit HeadlessPlatform(HeadlessKernel& kernel) : kernel_(kernel) {}

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

    // Delivers the queued messages until a quit is posted or none is left, since nothing
    // else could ever arrive.
    int RunMessageLoop() override;
    void PostQuit(int exitCode) override { quitCode_ = exitCode; }

    // Sends a message at once, as SendMessage does, with the default handling after it.
    std::intptr_t Send(WindowHandle window, const Message& message);

    // Answers for the coming message boxes, in order; past them each box takes its default
    // button.
    std::deque<int> answers;

    const std::vector<RecordedMessageBox>& MessageBoxes() const { return messageBoxes_; }
    const WindowClass* FindClass(const std::string& name) const;
    const HeadlessWindow* Find(WindowHandle window) const;
    std::vector<WindowHandle> LiveWindows() const;

  private:
    HeadlessWindow* Live(WindowHandle window);
    std::intptr_t DefaultHandling(WindowHandle window, const Message& message);

    HeadlessKernel& kernel_;
    std::vector<RecordedMessageBox> messageBoxes_;
    std::map<std::string, WindowClass> classes_;
    std::map<std::uintptr_t, HeadlessWindow> windows_;
    std::uintptr_t nextWindow_ = 1;
    std::deque<std::pair<WindowHandle, Message>> posted_;
    std::optional<int> quitCode_;
};

}  // namespace daub
