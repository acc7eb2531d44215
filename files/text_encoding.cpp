#include "files/text_encoding.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "files/cp932_table.h"

namespace daub {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// The character starting at s[i], moving i past it; nothing (i unchanged) when the bytes
// there are not well-formed UTF-8.
std::optional<char32_t> NextUtf8(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (s.size() - i < length) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if (!IsContinuation(b)) return std::nullopt;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    i += length;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows writes a character that has several codes with the JIS X 0208 code, else the NEC
// row 13 code, else the IBM extension (0xFA-0xFC) rather than the NEC-selected copy of it
// (0xED-0xEE): the lowest code, with the 0xED-0xEE rows last.
bool PreferredOver(std::uint16_t code, std::uint16_t other) {
    auto necSelected = [](std::uint16_t c) { return c >= 0xED00 && c <= 0xEEFF; };
    if (necSelected(code) != necSelected(other)) return !necSelected(code);
    return code < other;
}

// Code page 932 code of each code point of the Basic Multilingual Plane (every character of
// the code page lies there): the byte, or lead << 8 | trail; kNone for no code.
const std::vector<std::uint16_t>& EncodeTable() {
    static const std::vector<std::uint16_t> table = [] {
        std::vector<std::uint16_t> t(0x10000, cp932::kNone);
        auto offer = [&t](std::uint16_t cp, std::uint16_t code) {
            if (cp == cp932::kNone) return;
            if (t[cp] == cp932::kNone || PreferredOver(code, t[cp])) t[cp] = code;
        };
        for (int b = 0; b < 256; ++b)
            offer(cp932::kSingleByte[b], static_cast<std::uint16_t>(b));
        for (int lead = 0; lead < 256; ++lead) {
            const int row = cp932::kRowOfLead[lead];
            if (row < 0) continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const int index = cp932::TrailIndex(static_cast<unsigned char>(trail));
                if (index < 0) continue;
                offer(cp932::kDoubleByte[row][index],
                      static_cast<std::uint16_t>(lead << 8 | trail));
            }
        }
        return t;
    }();
    return table;
}

// UTF-8 with every broken sequence read as U+FFFD, one byte at a time.
std::string Utf8Lenient(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::optional<char32_t> cp = NextUtf8(bytes, i);
        if (!cp) ++i;
        AppendUtf8(out, cp.value_or(kReplacement));
    }
    return out;
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size())
        if (!NextUtf8(bytes, i)) return false;
    return true;
}

std::string Cp932ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (cp932::IsLeadByte(b) && i + 1 < bytes.size()) {
            const int index = cp932::TrailIndex(static_cast<unsigned char>(bytes[i + 1]));
            if (index >= 0) {
                const int row = cp932::kRowOfLead[b];
                const std::uint16_t cp = row < 0 ? cp932::kNone : cp932::kDoubleByte[row][index];
                AppendUtf8(out, cp == cp932::kNone ? kReplacement : cp);
                i += 2;
                continue;
            }
        }
        const std::uint16_t cp = cp932::kSingleByte[b];
        AppendUtf8(out, cp == cp932::kNone ? kReplacement : cp);
        ++i;
    }
    return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    const std::vector<std::uint16_t>& table = EncodeTable();
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::optional<char32_t> cp = NextUtf8(utf8, i);
        if (!cp || *cp >= table.size()) return std::nullopt;
        const std::uint16_t code = table[*cp];
        if (code == cp932::kNone) return std::nullopt;
        if (code > 0xFF) out += static_cast<char>(code >> 8);
        out += static_cast<char>(code & 0xFF);
    }
    return out;
}

std::string DecodeTextFile(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) return Utf8Lenient(bytes.substr(kByteOrderMark.size()));
    if (IsUtf8(bytes)) return std::string(bytes);
    return Cp932ToUtf8(bytes);
}

std::string EncodeTextFile(std::string_view utf8) {
    std::optional<std::string> cp932 = Utf8ToCp932(utf8);
    // Code page 932 that is also UTF-8 reads back unchanged only when it is plain ASCII.
    const bool ambiguous = cp932 && *cp932 != utf8 && IsUtf8(*cp932);
    if (cp932 && !ambiguous) return *std::move(cp932);
    // The mark makes the reader take UTF-8, and it takes off that one mark only.
    if (ambiguous || utf8.starts_with(kByteOrderMark))
        return std::string(kByteOrderMark) + std::string(utf8);
    return std::string(utf8);
}

}  // namespace daub
