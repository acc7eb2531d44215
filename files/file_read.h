#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace daub {

// The first bytes of the file at path (UTF-8), at most limit of them. Nothing when the path
// is not usable, names a directory, or the file cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit);

}  // namespace daub
