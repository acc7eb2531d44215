#pragma once

#include <optional>
#include <string>
#include <string_view>

// Text files (the configuration, layer definition files) come from installations that wrote
// them in code page 932 and from ones that write UTF-8; inside the program all text is UTF-8.
namespace daub {

// Well-formed UTF-8: no stray or missing continuation bytes, overlong forms, surrogates or
// code points beyond U+10FFFF. A byte order mark at the start is allowed.
bool IsUtf8(std::string_view bytes);

// Code page 932 bytes to UTF-8. A byte or pair that is no character there becomes U+FFFD; a
// lead byte whose next byte cannot follow it stands alone, so a line end after it survives.
std::string Cp932ToUtf8(std::string_view bytes);

// UTF-8 to code page 932, or nothing when a character has no code there or the input is not
// UTF-8. Where Windows has two codes for a character (NEC and IBM extensions) it gives the one
// Windows writes.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// The text of a file's bytes as UTF-8. A file that starts with a byte order mark is UTF-8
// (a broken sequence in it becomes U+FFFD) and loses that mark; one without is taken as it is
// when it is UTF-8, otherwise read as code page 932.
std::string DecodeTextFile(std::string_view bytes);

// The bytes a text file is written with, so that DecodeTextFile gives the text back: code
// page 932 when every character has a code there, which every installation reads, otherwise
// the UTF-8 itself. The UTF-8 gets a byte order mark when it would not read back without one:
// when its code page 932 form would read as other UTF-8 (half-width "ﾂｱ" is C2 B1, "±"), or
// when the text itself starts with U+FEFF.
std::string EncodeTextFile(std::string_view utf8);

}  // namespace daub
