#include "platform/headless/rc_preprocessor.h"

#include <cctype>
#include <map>

namespace daub::rc {
namespace {

constexpr int kMaxDepth = 8;  // of includes and of names defined by names

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    return std::string(text.substr(begin, end - begin));
}

// The directive's word and what follows it: "#  define X 1" gives "define" and "X 1".
std::pair<std::string, std::string> SplitDirective(const std::string& line) {
    const std::string body = Trim(std::string_view(line).substr(1));
    std::size_t end = 0;
    while (end < body.size() && std::isalpha(static_cast<unsigned char>(body[end])))
        ++end;
    return {body.substr(0, end), Trim(std::string_view(body).substr(end))};
}

std::vector<Token> TokensOf(std::string_view text) {
    std::vector<Token> tokens = Tokenize(text);
    tokens.pop_back();  // the end marker
    return tokens;
}

class Preprocessor {
  public:
    // RC_INVOKED is defined as the resource compilers define it, so that a header shared
    // with C++ can keep its C++ parts from them.
    Preprocessor(const IncludeReader& readInclude, std::vector<std::string>& errors)
        : readInclude_(readInclude), errors_(errors) {
        Define("RC_INVOKED 1");
    }

    void Run(std::string_view text, int depth, std::vector<Token>& out) {
        // Each open conditional: whether its lines count, and whether a branch was taken.
        struct Branch {
            bool active;
            bool taken;
        };
        std::vector<Branch> branches;
        const auto active = [&] { return branches.empty() || branches.back().active; };
        for (const Token& token : Tokenize(text)) {
            if (token.kind == TokenKind::kEnd) break;
            if (token.kind != TokenKind::kDirective) {
                if (active()) Expand(token, token.line, 0, out);
                continue;
            }
            const auto [word, rest] = SplitDirective(token.text);
            const bool outerActive = active();
            if (word == "ifdef" || word == "ifndef" || word == "if") {
                bool holds = false;
                if (word == "if") {
                    holds = Condition(rest, token.line);
                } else {
                    holds = IsDefined(Trim(rest)) == (word == "ifdef");
                }
                branches.push_back({outerActive && holds, holds});
            } else if (word == "elif" || word == "else") {
                if (branches.empty()) {
                    Error(token.line, "#" + word + " without #if");
                    continue;
                }
                Branch& branch = branches.back();
                const bool holds = word == "else" || Condition(rest, token.line);
                const bool parentActive =
                    branches.size() < 2 || branches[branches.size() - 2].active;
                branch.active = parentActive && !branch.taken && holds;
                branch.taken = branch.taken || holds;
            } else if (word == "endif") {
                if (!branches.empty()) branches.pop_back();
            } else if (!outerActive) {
                continue;
            } else if (word == "define") {
                Define(rest);
            } else if (word == "undef") {
                defines_.erase(Trim(rest));
            } else if (word == "include") {
                Include(rest, token.line, depth, out);
            }
            // #pragma, #error and the rest change nothing the backend needs.
        }
    }

  private:
    void Error(int line, const std::string& message) {
        errors_.push_back("line " + std::to_string(line) + ": " + message);
    }

    bool IsDefined(const std::string& name) const { return defines_.count(name) != 0; }

    // A number, or defined(NAME) / defined NAME, optionally negated with '!'.
    bool Condition(const std::string& text, int line) {
        std::vector<Token> tokens = TokensOf(text);
        bool negate = false;
        std::size_t i = 0;
        if (i < tokens.size() && tokens[i].text == "!") {
            negate = true;
            ++i;
        }
        bool holds = true;
        if (i < tokens.size() && tokens[i].kind == TokenKind::kNumber && i + 1 == tokens.size()) {
            holds = tokens[i].number != 0;
        } else if (i < tokens.size() && tokens[i].text == "defined") {
            ++i;
            if (i < tokens.size() && tokens[i].text == "(") ++i;
            holds = i < tokens.size() && IsDefined(tokens[i].text);
        } else {
            Error(line, "condition not understood: " + text);
        }
        return holds != negate;
    }

    void Define(const std::string& rest) {
        std::size_t end = 0;
        while (end < rest.size() &&
               (std::isalnum(static_cast<unsigned char>(rest[end])) || rest[end] == '_')) {
            ++end;
        }
        if (end == 0) return;
        if (end < rest.size() && rest[end] == '(') return;  // macros with arguments
        defines_[rest.substr(0, end)] = TokensOf(std::string_view(rest).substr(end));
    }

    void Include(const std::string& rest, int line, int depth, std::vector<Token>& out) {
        const std::vector<Token> tokens = TokensOf(rest);
        if (tokens.empty() || tokens[0].kind != TokenKind::kString) return;  // <system>
        if (depth >= kMaxDepth) {
            Error(line, "includes nested too deep: " + tokens[0].text);
            return;
        }
        if (!readInclude_) return;
        if (const std::optional<std::string> text = readInclude_(tokens[0].text)) {
            Run(*text, depth + 1, out);
        }
    }

    void Expand(const Token& token, int line, int depth, std::vector<Token>& out) {
        if (token.kind == TokenKind::kIdentifier && depth < kMaxDepth) {
            if (const auto it = defines_.find(token.text); it != defines_.end()) {
                for (const Token& part : it->second)
                    Expand(part, line, depth + 1, out);
                return;
            }
        }
        out.push_back(token);
        out.back().line = line;
    }

    const IncludeReader& readInclude_;
    std::vector<std::string>& errors_;
    std::map<std::string, std::vector<Token>> defines_;
};

}  // namespace

std::vector<Token> Preprocess(std::string_view text, const IncludeReader& readInclude,
                              std::vector<std::string>& errors) {
    std::vector<Token> tokens;
    Preprocessor(readInclude, errors).Run(text, 0, tokens);
    const int lastLine = tokens.empty() ? 1 : tokens.back().line;
    tokens.push_back({TokenKind::kEnd, "", 0, lastLine});
    return tokens;
}

}  // namespace daub::rc
