#pragma once

#include <string>

#include "platform/headless/resource_script.h"

namespace daub::test {

// Ids of the small script below.
inline constexpr int kOpen = 200;
inline constexpr int kQuit = 201;
inline constexpr int kRecentNone = 300;
inline constexpr int kBlur = 310;
inline constexpr int kGrid = 400;
inline constexpr int kQuoted = 401;
inline constexpr int kDelete = 402;
inline constexpr int kUnlisted = 499;  // an accelerator without a menu item
inline constexpr int kSizeDialog = 7;
inline constexpr int kWidthEdit = 1001;
inline constexpr int kKeepCheck = 1003;
inline constexpr int kSlider = 1004;
inline constexpr int kPanelDialog = 8;

// A script in the shape of the program's, with a header the include reader supplies.
inline const char* const kTestScriptText = R"rc(
// Comments go /* anywhere */ the compiler allows.
#pragma code_page(65001)
#include <windows.h>
#include "ids.h"
#define IDC_WIDTH 1001

LANGUAGE LANG_JAPANESE, SUBLANG_DEFAULT

5 CURSOR "pen.cur"
Tools BITMAP tools.bmp

menu1 MENU
BEGIN
    POPUP "&File"
    BEGIN
        MENUITEM "&Open\tCtrl+O", IDM_OPEN
        MENUITEM SEPARATOR
        POPUP "Recent"
        BEGIN
            MENUITEM "(none)", 300, GRAYED
        END
        POPUP "Effects"
        BEGIN
            MENUITEM "Blur", 310
        END
        MENUITEM "Quit", 201
    END
    POPUP "View"
    {
        MENUITEM "Grid", 400, CHECKED
        MENUITEM "Say ""hi""", 401, INACTIVE
        MENUITEM "Delete\tDel", 402
    }
END

#ifdef NOT_DEFINED
broken MENU BEGIN this is never read END
#endif

keys ACCELERATORS
BEGIN
    "O", IDM_OPEN, VIRTKEY, CONTROL
    "B", 310, VIRTKEY, SHIFT
    VK_DELETE, 402, VIRTKEY
    "^Z", 403
    "a", 404, ASCII
    0x70, 499, VIRTKEY, CONTROL, SHIFT
END

STRINGTABLE
BEGIN
    1, "ignored"
END
1 24 "manifest.xml"

7 DIALOGEX 10, 20, 100, 50
STYLE DS_MODALFRAME | WS_POPUP | WS_VISIBLE
CAPTION "Size"
FONT 9, "MS Shell Dlg", 400, 0, 0x1
BEGIN
    LTEXT "Width", IDC_STATIC, 5, 5, 30, 8
    EDITTEXT IDC_WIDTH, 40, 5, 40, 12, ES_NUMBER | NOT WS_BORDER
    AUTOCHECKBOX "Keep", 1003, 5, 20, 50, 10
    CONTROL "", 1004, TRACKBAR_CLASS, TBS_NOTICKS | WS_TABSTOP, 5, 35, 60, 12
    DEFPUSHBUTTON "OK", IDOK, 60, 30, 30, 12
    PUSHBUTTON "Cancel", IDCANCEL, 60, 44, 30, 12
END

8 DIALOG 0, 0, 40, 16
BEGIN
END

VS_VERSION_INFO VERSIONINFO
FILEVERSION 1, 0, 0, 0
BEGIN
    BLOCK "StringFileInfo"
    BEGIN
        VALUE "ProductName", "Test"
    END
END
)rc";

inline ResourceScript ParseTestScript() {
    return ParseResourceScript(kTestScriptText, [](const std::string& name) {
        return name == "ids.h" ? std::optional<std::string>("#define IDM_OPEN 200 // open\n")
                               : std::nullopt;
    });
}

inline const ResourceScript& TestScript() {
    static const ResourceScript script = ParseTestScript();
    return script;
}

}  // namespace daub::test
