#include "files/text_lines.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "files/text_encoding.h"

namespace daub {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::optional<std::string_view> TextLines::Next() {
    if (rest_.empty()) return std::nullopt;
    const std::size_t end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

std::optional<int> LeadingInteger(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t digits = i;
    std::int64_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        value = std::min<std::int64_t>(value * 10 + (s[i] - '0'), std::int64_t{INT_MAX} + 1);
    if (i == digits) return std::nullopt;
    if (negative) value = -value;
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

bool FitsOnALine(std::string_view value) {
    return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::string TextFileBytes(std::string_view text) {
    // Neither code page 932 nor UTF-8 uses the byte 0x0A inside a character.
    const std::string encoded = EncodeTextFile(text);
    std::string bytes;
    bytes.reserve(encoded.size() + encoded.size() / 16 + 8);
    for (char c : encoded) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

}  // namespace daub
