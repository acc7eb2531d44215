#include "platform/headless/resource_script.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

#include "platform/headless/rc_lexer.h"
#include "platform/headless/rc_preprocessor.h"
#include "platform/headless/rc_symbols.h"

namespace daub {
namespace {

using rc::SameName;
using rc::Token;
using rc::TokenKind;

constexpr std::uint32_t kChild = 0x40000000;
constexpr std::uint32_t kVisible = 0x10000000;
constexpr std::uint32_t kPopup = 0x80000000;
constexpr std::uint32_t kBorder = 0x00800000;
constexpr std::uint32_t kSysMenu = 0x00080000;
constexpr std::uint32_t kCaption = 0x00C00000;
constexpr std::uint32_t kGroup = 0x00020000;
constexpr std::uint32_t kTabStop = 0x00010000;
constexpr std::uint32_t kSetFont = 0x0040;

// The control statements with a fixed class, and the styles each implies besides
// WS_CHILD | WS_VISIBLE.
struct ControlKind {
    std::string_view keyword;
    std::string_view className;
    std::uint32_t style;
    bool hasText;
};

constexpr ControlKind kControlKinds[] = {
    {"LTEXT", "Static", 0x0 | kGroup, true},
    {"RTEXT", "Static", 0x2 | kGroup, true},
    {"CTEXT", "Static", 0x1 | kGroup, true},
    {"PUSHBUTTON", "Button", 0x0 | kTabStop, true},
    {"DEFPUSHBUTTON", "Button", 0x1 | kTabStop, true},
    {"PUSHBOX", "Button", 0xA | kTabStop, true},
    {"GROUPBOX", "Button", 0x7, true},
    {"CHECKBOX", "Button", 0x2 | kTabStop, true},
    {"AUTOCHECKBOX", "Button", 0x3 | kTabStop, true},
    {"RADIOBUTTON", "Button", 0x4, true},
    {"AUTORADIOBUTTON", "Button", 0x9, true},
    {"STATE3", "Button", 0x5 | kTabStop, true},
    {"AUTO3STATE", "Button", 0x6 | kTabStop, true},
    {"EDITTEXT", "Edit", kBorder | kTabStop, false},
    {"LISTBOX", "ListBox", 0x1 | kBorder, false},
    {"COMBOBOX", "ComboBox", 0x1 | kTabStop, false},
    {"SCROLLBAR", "ScrollBar", 0x0, false},
};

const ControlKind* FindControlKind(std::string_view keyword) {
    for (const ControlKind& kind : kControlKinds) {
        if (SameName(kind.keyword, keyword)) return &kind;
    }
    return nullptr;
}

bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
        if (SameName(word, name)) return true;
    }
    return false;
}

// Bits a style expression sets and, with NOT, clears from the defaults.
struct StyleBits {
    std::uint32_t set = 0;
    std::uint32_t clear = 0;

    std::uint32_t Over(std::uint32_t defaults) const { return (defaults | set) & ~clear; }
};

class Parser {
  public:
    Parser(std::vector<Token> tokens, ResourceScript& script)
        : tokens_(std::move(tokens)), script_(script) {}

    void Run() {
        while (Peek().kind != TokenKind::kEnd)
            Statement();
    }

  private:
    // Tokens.
    const Token& Peek(std::size_t ahead = 0) const {
        return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
    }
    Token Take() {
        Token token = Peek();
        if (pos_ < tokens_.size() - 1) ++pos_;
        return token;
    }
    bool IsWord(const Token& token, std::string_view word) const {
        return token.kind == TokenKind::kIdentifier && SameName(token.text, word);
    }
    bool TakeWord(std::string_view word) {
        if (!IsWord(Peek(), word)) return false;
        Take();
        return true;
    }
    bool TakePunctuation(char c) {
        if (Peek().kind != TokenKind::kPunctuation || Peek().text[0] != c) return false;
        Take();
        return true;
    }
    bool AtBegin() const {
        return IsWord(Peek(), "BEGIN") ||
               (Peek().kind == TokenKind::kPunctuation && Peek().text == "{");
    }
    bool TakeBegin() { return TakeWord("BEGIN") || TakePunctuation('{'); }
    bool TakeEnd() { return TakeWord("END") || TakePunctuation('}'); }

    void Error(const std::string& message) { ErrorAt(Peek().line, message); }
    void ErrorAt(int line, const std::string& message) {
        script_.errors.push_back("line " + std::to_string(line) + ": " + message);
    }
    bool Expect(char c) {
        if (TakePunctuation(c)) return true;
        Error(std::string("expected '") + c + "' before '" + Peek().text + "'");
        return false;
    }
    // Recovers from an error: the rest of the line is passed over.
    void SkipLine(int line) {
        while (Peek().kind != TokenKind::kEnd && Peek().line == line)
            Take();
    }
    void SkipBlock() {
        int depth = 0;
        do {
            if (AtBegin()) {
                ++depth;
                Take();
            } else if (TakeEnd()) {
                --depth;
            } else if (Take().kind == TokenKind::kEnd) {
                return;
            }
        } while (depth > 0);
    }
    void SkipLoadOptions() {
        while (Peek().kind == TokenKind::kIdentifier &&
               IsOneOf(Peek().text, {"PRELOAD", "LOADONCALL", "FIXED", "MOVEABLE", "DISCARDABLE",
                                     "PURE", "IMPURE", "SHARED", "NONSHARED"})) {
            Take();
        }
    }

    // Expressions: numbers and names joined by | + - &, with unary - ~ NOT and parentheses,
    // evaluated from left to right.
    std::int64_t Unary() {
        if (TakePunctuation('-')) return -Unary();
        if (TakePunctuation('~') || TakeWord("NOT")) return ~Unary();
        if (TakePunctuation('(')) {
            const std::int64_t value = Expression();
            Expect(')');
            return value;
        }
        const Token token = Take();
        if (token.kind == TokenKind::kNumber) return token.number;
        if (token.kind == TokenKind::kIdentifier) {
            if (const auto value = rc::KnownSymbol(token.text)) return *value;
            ErrorAt(token.line, "unknown name " + token.text);
            return 0;
        }
        ErrorAt(token.line, "expected a number, found '" + token.text + "'");
        return 0;
    }
    std::int64_t Term() {
        std::int64_t value = Unary();
        while (true) {
            if (TakePunctuation('+')) {
                value += Unary();
            } else if (TakePunctuation('-')) {
                value -= Unary();
            } else if (TakePunctuation('&')) {
                value &= Unary();
            } else {
                return value;
            }
        }
    }
    std::int64_t Expression() {
        std::int64_t value = Term();
        while (TakePunctuation('|'))
            value |= Term();
        return value;
    }
    int Integer() { return static_cast<int>(Expression()); }
    StyleBits Style() {
        StyleBits bits;
        do {
            const bool negate = TakeWord("NOT");
            const auto value = static_cast<std::uint32_t>(Term());
            if (negate) {
                bits.clear |= value;
                bits.set &= ~value;
            } else {
                bits.set |= value;
                bits.clear &= ~value;
            }
        } while (TakePunctuation('|'));
        return bits;
    }
    // count numbers separated by commas.
    bool Numbers(std::initializer_list<int*> values) {
        bool first = true;
        for (int* value : values) {
            if (!first && !Expect(',')) return false;
            first = false;
            *value = Integer();
        }
        return true;
    }
    std::string Text() {
        if (Peek().kind == TokenKind::kString) return Take().text;
        if (Peek().kind == TokenKind::kIdentifier && !rc::KnownSymbol(Peek().text)) {
            return Take().text;
        }
        return std::to_string(Expression());
    }

    static std::string Name(const Token& token) {
        return token.kind == TokenKind::kNumber ? std::to_string(token.number) : token.text;
    }

    // Resource statements.
    void Statement() {
        const Token first = Peek();
        if (IsWord(first, "LANGUAGE")) {
            SkipLine(first.line);
            return;
        }
        if (IsWord(first, "STRINGTABLE")) {
            SkipResource(first.line);
            return;
        }
        const Token name = Take();
        const Token type = Take();
        if (type.kind == TokenKind::kNumber) {  // a numbered type, RT_MANIFEST and the like
            SkipResource(type.line);
            return;
        }
        if (name.kind == TokenKind::kPunctuation || type.kind != TokenKind::kIdentifier) {
            ErrorAt(name.line, "not a resource statement: '" + name.text + " " + type.text + "'");
            SkipLine(type.line);
            return;
        }
        if (SameName(type.text, "MENU")) {
            ParseMenu(Name(name));
        } else if (SameName(type.text, "ACCELERATORS")) {
            ParseAccelerators(Name(name));
        } else if (SameName(type.text, "DIALOG") || SameName(type.text, "DIALOGEX")) {
            ParseDialog(Name(name), SameName(type.text, "DIALOGEX"));
        } else if (IsOneOf(type.text, {"CURSOR", "BITMAP", "ICON"})) {
            SkipLoadOptions();
            std::string upper;
            for (char c : type.text)
                upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            script_.files.push_back({upper, Name(name), Take().text});
        } else {
            SkipResource(type.line);
        }
    }

    // A resource of another kind: either a file named on its own line, or a header up to
    // a block.
    void SkipResource(int line) {
        if (Peek().kind == TokenKind::kString && Peek().line == line && Peek(1).line != line &&
            !IsWord(Peek(1), "BEGIN") && Peek(1).text != "{") {
            Take();
            return;
        }
        while (Peek().kind != TokenKind::kEnd && !AtBegin())
            Take();
        SkipBlock();
    }

    void ParseMenu(const std::string& name) {
        SkipLoadOptions();
        MenuTemplate menu{name, {}};
        if (!TakeBegin()) {
            Error("menu " + name + " has no BEGIN");
            return;
        }
        MenuItems(menu.items);
        script_.menus.push_back(std::move(menu));
    }

    void MenuItems(std::vector<MenuTemplateItem>& items) {
        while (!TakeEnd()) {
            const Token keyword = Take();
            if (keyword.kind == TokenKind::kEnd) {
                Error("menu without END");
                return;
            }
            MenuTemplateItem item;
            if (IsWord(keyword, "MENUITEM") && TakeWord("SEPARATOR")) {
                item.separator = true;
            } else if (IsWord(keyword, "MENUITEM") && Peek().kind == TokenKind::kString) {
                item.text = Take().text;
                if (Expect(',')) item.id = Integer();
                MenuOptions(item);
            } else if (IsWord(keyword, "POPUP") && Peek().kind == TokenKind::kString) {
                item.text = Take().text;
                item.popup = true;
                MenuOptions(item);
                if (!TakeBegin()) {
                    Error("popup " + item.text + " has no BEGIN");
                    continue;
                }
                MenuItems(item.items);
            } else {
                ErrorAt(keyword.line, "not a menu item: " + keyword.text);
                SkipLine(keyword.line);
                continue;
            }
            items.push_back(std::move(item));
        }
    }

    void MenuOptions(MenuTemplateItem& item) {
        const auto isOption = [&](const Token& token) {
            return token.kind == TokenKind::kIdentifier &&
                   IsOneOf(token.text,
                           {"CHECKED", "GRAYED", "INACTIVE", "HELP", "MENUBARBREAK", "MENUBREAK"});
        };
        while (isOption(Peek()) || (Peek().text == "," && isOption(Peek(1)))) {
            TakePunctuation(',');
            const Token option = Take();
            item.checked = item.checked || SameName(option.text, "CHECKED");
            item.grayed = item.grayed || SameName(option.text, "GRAYED");
            item.inactive = item.inactive || SameName(option.text, "INACTIVE");
        }
    }

    void ParseAccelerators(const std::string& name) {
        SkipLoadOptions();
        AcceleratorTable table{name, {}};
        if (!TakeBegin()) {
            Error("accelerators " + name + " have no BEGIN");
            return;
        }
        while (!TakeEnd()) {
            if (Peek().kind == TokenKind::kEnd) {
                Error("accelerators without END");
                break;
            }
            const int line = Peek().line;
            if (auto entry = AcceleratorEntry()) {
                table.entries.push_back(*entry);
            } else {
                SkipLine(line);
            }
        }
        script_.acceleratorTables.push_back(std::move(table));
    }

    std::optional<Accelerator> AcceleratorEntry() {
        Accelerator entry;
        std::optional<std::string> character;
        if (Peek().kind == TokenKind::kString) {
            character = Take().text;
        } else {
            entry.key = Integer();
        }
        if (!Expect(',')) return std::nullopt;
        entry.command = Integer();
        while (TakePunctuation(',')) {
            const Token flag = Take();
            if (IsWord(flag, "VIRTKEY")) {
                entry.virtualKey = true;
            } else if (IsWord(flag, "CONTROL")) {
                entry.control = true;
            } else if (IsWord(flag, "SHIFT")) {
                entry.shift = true;
            } else if (IsWord(flag, "ALT")) {
                entry.alt = true;
            } else if (!IsWord(flag, "ASCII") && !IsWord(flag, "NOINVERT")) {
                ErrorAt(flag.line, "unknown accelerator flag " + flag.text);
                return std::nullopt;
            }
        }
        if (character) {
            if (character->empty()) {
                Error("empty accelerator key");
                return std::nullopt;
            }
            const auto first = static_cast<unsigned char>((*character)[0]);
            if (first == '^' && character->size() == 2 && !entry.virtualKey) {
                entry.key = std::toupper(static_cast<unsigned char>((*character)[1])) - '@';
            } else {
                entry.key = first;
            }
        }
        return entry;
    }

    void ParseDialog(const std::string& name, bool extended) {
        SkipLoadOptions();
        DialogTemplate dialog;
        dialog.name = name;
        dialog.extended = extended;
        if (!Numbers({&dialog.x, &dialog.y, &dialog.width, &dialog.height})) {
            SkipResource(Peek().line);
            return;
        }
        if (extended && TakePunctuation(',')) Integer();  // the help id
        std::optional<std::uint32_t> style;
        bool font = false;
        while (!AtBegin()) {
            const Token statement = Take();
            if (IsWord(statement, "STYLE")) {
                style = Style().Over(0);
            } else if (IsWord(statement, "EXSTYLE")) {
                dialog.exStyle = Style().Over(0);
            } else if (IsWord(statement, "CAPTION")) {
                dialog.caption = Text();
            } else if (IsWord(statement, "FONT")) {
                font = true;
                dialog.fontSize = Integer();
                if (Expect(',')) dialog.fontFace = Text();
                while (TakePunctuation(','))
                    Integer();  // weight, italic, character set
            } else if (IsWord(statement, "MENU") || IsWord(statement, "CLASS")) {
                Take();
            } else if (IsWord(statement, "LANGUAGE")) {
                int language = 0;
                int sublanguage = 0;
                Numbers({&language, &sublanguage});
            } else if (IsWord(statement, "CHARACTERISTICS") || IsWord(statement, "VERSION")) {
                Integer();
            } else {
                ErrorAt(statement.line, "not a dialog statement: " + statement.text);
                if (statement.kind == TokenKind::kEnd) return;
            }
        }
        TakeBegin();
        dialog.style = style.value_or(kPopup | kBorder | kSysMenu);
        if (!dialog.caption.empty()) dialog.style |= kCaption;
        if (font) dialog.style |= kSetFont;
        while (!TakeEnd()) {
            if (Peek().kind == TokenKind::kEnd) {
                Error("dialog " + name + " without END");
                break;
            }
            const int line = Peek().line;
            if (auto control = Control()) {
                dialog.controls.push_back(std::move(*control));
            } else {
                SkipLine(line);
            }
        }
        script_.dialogs.push_back(std::move(dialog));
    }

    std::optional<DialogControl> Control() {
        const Token keyword = Take();
        DialogControl control;
        control.kind = keyword.text;
        for (char& c : control.kind)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        StyleBits style;
        std::uint32_t defaults = kChild | kVisible;
        bool ok = false;
        if (control.kind == "CONTROL") {
            control.text = Text();
            ok = Expect(',');
            if (ok) control.id = Integer();
            ok = ok && Expect(',');
            if (ok) control.className = ClassName();
            ok = ok && Expect(',');
            if (ok) style = Style();
            ok = ok && Expect(',') &&
                 Numbers({&control.x, &control.y, &control.width, &control.height});
            if (ok && TakePunctuation(',')) control.exStyle = Style().Over(0);
        } else if (control.kind == "ICON") {
            control.className = "Static";
            defaults |= 0x3;
            control.text = Text();
            ok = Expect(',') && Numbers({&control.id, &control.x, &control.y});
            if (ok && TakePunctuation(',')) ok = Numbers({&control.width, &control.height});
            if (ok && TakePunctuation(',')) style = Style();
            if (ok && TakePunctuation(',')) control.exStyle = Style().Over(0);
        } else if (const ControlKind* kind = FindControlKind(control.kind)) {
            control.className = kind->className;
            defaults |= kind->style;
            ok = true;
            if (kind->hasText) {
                control.text = Text();
                ok = Expect(',');
            }
            ok = ok &&
                 Numbers({&control.id, &control.x, &control.y, &control.width, &control.height});
            if (ok && TakePunctuation(',')) style = Style();
            if (ok && TakePunctuation(',')) control.exStyle = Style().Over(0);
        } else {
            ErrorAt(keyword.line, "not a control: " + keyword.text);
            return std::nullopt;
        }
        if (!ok) return std::nullopt;
        while (TakePunctuation(','))
            Integer();               // a DIALOGEX help id
        if (AtBegin()) SkipBlock();  // creation data
        control.style = style.Over(defaults);
        return control;
    }

    std::string ClassName() {
        const Token token = Take();
        if (token.kind == TokenKind::kString) return token.text;
        if (const auto known = rc::KnownClassName(token.text)) return std::string(*known);
        return token.text;
    }

    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    ResourceScript& script_;
};

}  // namespace

const DialogControl* DialogTemplate::Control(int id) const {
    for (const DialogControl& control : controls) {
        if (control.id == id) return &control;
    }
    return nullptr;
}

const MenuTemplate* ResourceScript::Menu(std::string_view name) const {
    for (const MenuTemplate& menu : menus) {
        if (SameName(menu.name, name)) return &menu;
    }
    return nullptr;
}

const AcceleratorTable* ResourceScript::Accelerators(std::string_view name) const {
    for (const AcceleratorTable& table : acceleratorTables) {
        if (SameName(table.name, name)) return &table;
    }
    return nullptr;
}

const DialogTemplate* ResourceScript::Dialog(int id) const {
    const std::string name = std::to_string(id);
    for (const DialogTemplate& dialog : dialogs) {
        if (dialog.name == name) return &dialog;
    }
    return nullptr;
}

const FileResource* ResourceScript::File(std::string_view type, std::string_view name) const {
    for (const FileResource& file : files) {
        if (SameName(file.type, type) && SameName(file.name, name)) return &file;
    }
    return nullptr;
}

ResourceScript ParseResourceScript(std::string_view text, const IncludeReader& readInclude) {
    ResourceScript script;
    std::vector<Token> tokens = rc::Preprocess(text, readInclude, script.errors);
    Parser(std::move(tokens), script).Run();
    return script;
}

}  // namespace daub
