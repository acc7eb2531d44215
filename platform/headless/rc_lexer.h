#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace daub::rc {

enum class TokenKind {
    kIdentifier,
    kNumber,
    kString,
    kPunctuation,  // one character: , | { } ( ) + - ~ & and the like
    kDirective,    // a whole preprocessor line, '#' included, continuations joined
    kEnd,
};

struct Token {
    TokenKind kind = TokenKind::kEnd;
    std::string text;         // strings unescaped, identifiers as written
    std::int64_t number = 0;  // for numbers
    int line = 0;             // from 1
};

// Splits a resource script into tokens. Comments vanish; strings lose their quotes and
// escapes ("" is a quote, \t a tab); numbers are decimal or 0x hex with an optional L or U.
std::vector<Token> Tokenize(std::string_view text);

// Case-insensitive comparison of ASCII names, as the resource compiler treats keywords.
bool SameName(std::string_view a, std::string_view b);

}  // namespace daub::rc
