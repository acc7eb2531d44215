#include "platform/window.h"

#include "platform/platform.h"

namespace daub {

Window::~Window() {
    if (handle_) platform_.AbandonWindow(handle_);
}

std::optional<std::intptr_t> Window::HandleMessage(const Message&) {
    return std::nullopt;
}

WindowHandle Window::Create(const WindowSpec& spec) {
    return platform_.CreateNativeWindow(*this, spec);
}

}  // namespace daub
