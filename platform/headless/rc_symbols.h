#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace daub::rc {

// The value <windows.h> and <commctrl.h> give a name a resource script may use: window,
// dialog and control styles, virtual keys, the standard dialog button ids.
std::optional<std::int64_t> KnownSymbol(std::string_view name);

// The window class a CONTROL statement names without quotes (BUTTON, TRACKBAR_CLASS, ...).
std::optional<std::string_view> KnownClassName(std::string_view name);

}  // namespace daub::rc
