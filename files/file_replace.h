#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

namespace daub {

// Writes the blocks, in order, as the whole content of the file at path (UTF-8). They go to a
// new file beside it first, which replaces the target only once it is completely written and
// closed, so a failed save never leaves a truncated file where a good one was. Returns false,
// with the target untouched and no stray file left, when anything fails.
bool WriteFileReplacing(const std::string& path,
                        std::initializer_list<std::span<const std::uint8_t>> blocks);

}  // namespace daub
