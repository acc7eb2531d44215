#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/message.h"

namespace daub {

// One row of a window class's message table: message id to member handler.
template <class W>
struct MessageEntry {
    unsigned id;
    std::intptr_t (W::*handler)(const Message&);
};

// Calls the handler the table holds for the message; nullopt when it holds none, so the
// platform's default applies.
template <class W>
std::optional<std::intptr_t> RouteMessage(W& window, std::span<const MessageEntry<W>> table,
                                          const Message& message) {
    for (const MessageEntry<W>& entry : table) {
        if (entry.id == message.id) return (window.*entry.handler)(message);
    }
    return std::nullopt;
}

}  // namespace daub
