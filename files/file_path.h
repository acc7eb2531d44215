#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace daub {

// Paths are UTF-8 inside the program. Going through char8_t makes the path native (wide on
// Windows), so the streams opened with it use the wide-character file API there and names in
// Japanese open on a Windows of any language.
std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// A path the system can be asked for: not empty and without a NUL byte, which would end the
// name the system sees, so that another file than the one named would be opened or replaced.
bool IsUsablePath(std::string_view utf8);

}  // namespace daub
