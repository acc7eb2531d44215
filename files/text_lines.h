#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace daub {

// The lines of a text, each without its line end (LF or CR LF). Only a line end that is there
// is taken off: the last line may have none and keeps every character. A line is never cut
// for its length.
class TextLines {
  public:
    explicit TextLines(std::string_view text) : rest_(text) {}
    std::optional<std::string_view> Next();

  private:
    std::string_view rest_;
};

// Read like atoi: blanks, a sign, digits, the rest ignored; nothing when there is no digit.
// Out-of-range values stop at the ends of int instead of overflowing.
std::optional<int> LeadingInteger(std::string_view s);

// Whether the value can stand on a line of its own and come back whole: no line break, and no
// NUL, which would end the name the system sees and open another file.
bool FitsOnALine(std::string_view value);

// The bytes of a text file as text mode writes it on Windows: EncodeTextFile, CR LF line ends.
std::string TextFileBytes(std::string_view text);

}  // namespace daub
