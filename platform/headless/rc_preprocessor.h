#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/rc_lexer.h"
#include "platform/headless/resource_script.h"

namespace daub::rc {

// The little of the C preprocessor resource scripts use: object-like #define and #undef,
// quoted #include through the reader, and #ifdef, #ifndef, #if with a number or defined(X),
// #else, #endif. RC_INVOKED counts as defined. Gives the tokens that remain, defined names
// replaced.
std::vector<Token> Preprocess(std::string_view text, const IncludeReader& readInclude,
                              std::vector<std::string>& errors);

}  // namespace daub::rc
