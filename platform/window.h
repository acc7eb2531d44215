#pragma once

#include <cstdint>
#include <optional>

#include "platform/handles.h"
#include "platform/message.h"
#include "platform/window_class.h"

namespace daub {

class Platform;

// A window object: the platform makes a native window for it and hands it every message
// that window receives.
class Window {
  public:
    explicit Window(Platform& platform) : platform_(platform) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // A native window still alive is destroyed without calling back into this object.
    virtual ~Window();

    WindowHandle Handle() const { return handle_; }
    Platform& GetPlatform() const { return platform_; }

    // Every message of the native window. nullopt asks for the platform's default handling.
    virtual std::optional<std::intptr_t> HandleMessage(const Message& message);

    // For backends only: the native window was made for this object, or is gone.
    void Attach(WindowHandle handle) { handle_ = handle; }
    void Detach() { handle_ = {}; }

  protected:
    WindowHandle Create(const WindowSpec& spec);

  private:
    Platform& platform_;
    WindowHandle handle_;
};

}  // namespace daub
