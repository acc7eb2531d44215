#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace daub {

// The part of a resource script (.rc) the headless backend needs in place of an
// executable's resources: menus, accelerator tables, dialog templates, and which cursors,
// bitmaps and icons exist. Resource names are kept as written; a number is its decimal text.

struct MenuTemplateItem {
    std::string text;  // escapes resolved: "\t" is a tab
    int id = 0;
    bool separator = false;
    bool popup = false;
    bool checked = false;
    bool grayed = false;
    bool inactive = false;
    std::vector<MenuTemplateItem> items;  // of a popup
};

struct MenuTemplate {
    std::string name;
    std::vector<MenuTemplateItem> items;
};

struct Accelerator {
    int key = 0;  // a virtual-key code, or a character for ASCII entries
    int command = 0;
    bool virtualKey = false;
    bool control = false;
    bool shift = false;
    bool alt = false;
};

struct AcceleratorTable {
    std::string name;
    std::vector<Accelerator> entries;
};

// Positions and sizes of a template are in dialog units.
struct DialogControl {
    std::string kind;       // the statement: LTEXT, EDITTEXT, CONTROL, ...
    std::string className;  // Static, Edit, Button, msctls_trackbar32, ...
    std::string text;
    int id = 0;
    std::uint32_t style = 0;  // with the defaults the statement implies
    std::uint32_t exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct DialogTemplate {
    std::string name;
    bool extended = false;  // DIALOGEX
    std::string caption;
    std::uint32_t style = 0;  // as the dialog gets it: CAPTION adds WS_CAPTION, FONT DS_SETFONT
    std::uint32_t exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string fontFace;
    int fontSize = 0;
    std::vector<DialogControl> controls;

    const DialogControl* Control(int id) const;
};

// A resource that is a file: cursors, bitmaps, icons.
struct FileResource {
    std::string type;  // CURSOR, BITMAP, ICON
    std::string name;
    std::string file;
};

struct ResourceScript {
    std::vector<MenuTemplate> menus;
    std::vector<AcceleratorTable> acceleratorTables;
    std::vector<DialogTemplate> dialogs;
    std::vector<FileResource> files;
    // What could not be understood, each with its line; the rest of the script still counts.
    std::vector<std::string> errors;

    // Names compare without case, as resource names do.
    const MenuTemplate* Menu(std::string_view name) const;
    const AcceleratorTable* Accelerators(std::string_view name) const;
    const DialogTemplate* Dialog(int id) const;
    const FileResource* File(std::string_view type, std::string_view name) const;
};

// Gives the text of a file a script #includes with quotes, or nothing to pass it over.
using IncludeReader = std::function<std::optional<std::string>(const std::string& name)>;

// Reads a UTF-8 script. #define'd names count in what follows, also from the included files
// the reader gives; <...> includes are the system's and are known by name only.
ResourceScript ParseResourceScript(std::string_view text, const IncludeReader& readInclude = {});

}  // namespace daub
