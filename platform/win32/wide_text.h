#pragma once

#include <string>
#include <string_view>

namespace daub {

// The program keeps text in UTF-8; the wide-character Win32 API takes UTF-16. Malformed
// input turns into U+FFFD rather than being dropped or cutting the text short.
std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace daub
