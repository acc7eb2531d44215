#pragma once

#include <cstdint>
#include <optional>

#include "platform/window.h"

namespace daub {

// A modeless dialog that floats over the main window and reports every change to it with a
// private message. Its close box hides it (the main window's menu shows it again) and marks
// the report as a closing one until the main window has seen it.
class SatelliteDialog : public Window {
  public:
    SatelliteDialog(Platform& platform, int templateId, unsigned notifyMessage);

    // Creates the dialog from its template, owned by the main window, and shows it.
    void Create(WindowHandle mainWindow);
    void Show();

    std::optional<std::intptr_t> HandleMessage(const Message& message) override;

    int closedMarker = 0;

  protected:
    // Tells the main window at once (it reads this object's fields directly).
    void Notify();

  private:
    int templateId_;
    unsigned notifyMessage_;
    WindowHandle mainWindow_;
};

}  // namespace daub
