#pragma once

#include <memory>

#include "app/configuration.h"
#include "app/main_window.h"
#include "platform/handles.h"

namespace daub {

class Platform;

// The process: one copy at a time, one main window, one message loop.
class PaintApp {
  public:
    static constexpr const char* kMutexName = "Daubix";

    // The configuration file is found and written through system.
    PaintApp(Platform& platform, ConfigurationSystem& system, int showCommand);
    PaintApp(const PaintApp&) = delete;
    PaintApp& operator=(const PaintApp&) = delete;
    ~PaintApp();

    // False when another copy runs (the user is told) and the process should end at once.
    bool InitInstance();
    // Gives up the single-instance mutex and the main window.
    void ExitInstance();
    // InitInstance, the message loop, ExitInstance; the process's exit code.
    int Run();

    TDaubWindow* MainWindow() const { return mainWindow_.get(); }

  private:
    bool ClaimSingleInstance();
    void RefuseSecondInstance(MutexHandle other);

    Platform& platform_;
    ConfigurationSystem& system_;
    int showCommand_;
    MutexHandle mutex_;
    std::unique_ptr<TDaubWindow> mainWindow_;
};

}  // namespace daub
