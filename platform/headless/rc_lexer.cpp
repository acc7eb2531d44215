#include "platform/headless/rc_lexer.h"

#include <cctype>

namespace daub::rc {
namespace {

bool IsNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

// Dots belong to names so that an unquoted file name stays one token.
bool IsNamePart(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Lexer {
  public:
    explicit Lexer(std::string_view text) : text_(text) {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    }

    std::vector<Token> Run() {
        std::vector<Token> tokens;
        bool lineStart = true;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
                lineStart = true;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (Starts("//")) {
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    ++pos_;
            } else if (Starts("/*")) {
                SkipBlockComment();
            } else if (c == '#' && lineStart) {
                tokens.push_back(Directive());
            } else {
                lineStart = false;
                tokens.push_back(Next());
            }
        }
        tokens.push_back({TokenKind::kEnd, "", 0, line_});
        return tokens;
    }

  private:
    bool Starts(std::string_view prefix) const {
        return text_.substr(pos_, prefix.size()) == prefix;
    }

    void SkipBlockComment() {
        pos_ += 2;
        while (pos_ < text_.size() && !Starts("*/")) {
            if (text_[pos_] == '\n') ++line_;
            ++pos_;
        }
        pos_ = pos_ < text_.size() ? pos_ + 2 : pos_;
    }

    Token Directive() {
        Token token{TokenKind::kDirective, "", 0, line_};
        while (pos_ < text_.size() && text_[pos_] != '\n') {
            if (text_[pos_] == '\\' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') {
                pos_ += 2;
                ++line_;
                token.text += ' ';
                continue;
            }
            token.text += text_[pos_++];
        }
        return token;
    }

    Token Next() {
        const char c = text_[pos_];
        if (c == '"') return String();
        if ((c == 'L' || c == 'l') && pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
            ++pos_;
            return String();
        }
        if (std::isdigit(static_cast<unsigned char>(c))) return Number();
        if (IsNameStart(c)) {
            Token token{TokenKind::kIdentifier, "", 0, line_};
            while (pos_ < text_.size() && IsNamePart(text_[pos_]))
                token.text += text_[pos_++];
            return token;
        }
        ++pos_;
        return {TokenKind::kPunctuation, std::string(1, c), 0, line_};
    }

    Token Number() {
        Token token{TokenKind::kNumber, "", 0, line_};
        const std::size_t start = pos_;
        if (Starts("0x") || Starts("0X")) {
            pos_ += 2;
            while (pos_ < text_.size() && HexValue(text_[pos_]) >= 0) {
                token.number = token.number * 16 + HexValue(text_[pos_++]);
            }
        } else {
            while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
                token.number = token.number * 10 + (text_[pos_++] - '0');
            }
        }
        while (pos_ < text_.size() &&
               std::string_view("lLuU").find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
        token.number &= 0xFFFFFFFF;
        token.text = std::string(text_.substr(start, pos_ - start));
        return token;
    }

    Token String() {
        Token token{TokenKind::kString, "", 0, line_};
        ++pos_;  // the opening quote
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    token.text += '"';
                    ++pos_;
                    continue;
                }
                break;
            }
            if (c == '\n') ++line_;
            if (c == '\\' && pos_ < text_.size()) {
                token.text += Escape(text_[pos_++]);
                continue;
            }
            token.text += c;
        }
        return token;
    }

    static char Escape(char c) {
        switch (c) {
            case 't':
                return '\t';
            case 'n':
                return '\n';
            case 'r':
                return '\r';
            case 'a':  // right-aligns the rest of a menu item's text
                return '\b';
            case '0':
                return '\0';
            default:
                return c;  // \\ and \" and anything unknown stand for themselves
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

std::vector<Token> Tokenize(std::string_view text) {
    return Lexer(text).Run();
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace daub::rc
