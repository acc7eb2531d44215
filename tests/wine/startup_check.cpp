// Starts Daubix.exe the way a user does, twice, and checks from outside what each copy shows:
// the first its main window and what it paints, the second the refusal, until the first is
// closed. Every wait has a time limit, so the check ends whatever the program does. Exit
// code 0: all passed.
#include <windows.h>

#include <dlgs.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "document/layer_stack.h"
#include "document/slot_view.h"
#include "resources/resource_ids.h"
#include "tests/wine/stored_png.h"
#include "tools/brush_dab.h"

namespace {

constexpr DWORD kStartLimitMs = 30000;
constexpr DWORD kExitLimitMs = 15000;
constexpr wchar_t kTitle[] = L"Daubix";
constexpr wchar_t kRefusalCaption[] = L"エラー";
constexpr wchar_t kRefusalText[] = L"二重起動はできません";

int failures = 0;

void Report(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok" : "FAIL", what);
    std::fflush(stdout);
    if (!ok) ++failures;
}

// A started copy of the program; one still running at the end is ended.
struct Copy {
    PROCESS_INFORMATION process = {};

    ~Copy() {
        if (!process.hProcess) return;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    bool Running() const { return WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT; }
    bool Ended(DWORD limitMs) const {
        return WaitForSingleObject(process.hProcess, limitMs) == WAIT_OBJECT_0;
    }
    DWORD ExitCode() const {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
    }
};

std::wstring ProgramDirectory() {
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), buffer.size());
    std::wstring path(buffer.data(), length);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring ProgramPath() {
    return ProgramDirectory() + L"Daubix.exe";
}

bool Start(Copy& copy, const std::wstring& program) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + program + L"\"";
    return CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &copy.process) != 0;
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

// The first visible top-level window of a process that the test accepts.
struct WindowQuery {
    DWORD processId;
    std::function<bool(HWND)> wanted;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam) {
    auto* query = reinterpret_cast<WindowQuery*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId != query->processId || !IsWindowVisible(hwnd)) return TRUE;
    if (!query->wanted(hwnd)) return TRUE;
    query->found = hwnd;
    return FALSE;
}

HWND FindWindowWhere(const Copy& copy, std::function<bool(HWND)> wanted) {
    WindowQuery query{copy.process.dwProcessId, std::move(wanted)};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND FindWindowOf(const Copy& copy, const wchar_t* title) {
    return FindWindowWhere(copy, [title](HWND hwnd) { return TextOf(hwnd) == title; });
}

// Waits for a visible top-level window of the copy with the title; null when the copy ends
// or the time runs out first.
HWND WaitForWindow(const Copy& copy, const wchar_t* title) {
    for (DWORD waited = 0; waited < kStartLimitMs; waited += 50) {
        if (HWND hwnd = FindWindowOf(copy, title)) return hwnd;
        if (!copy.Running()) return nullptr;
        Sleep(50);
    }
    return nullptr;
}

BOOL CALLBACK CollectStaticText(HWND hwnd, LPARAM lParam) {
    if (ClassOf(hwnd) == L"Static")
        reinterpret_cast<std::vector<std::wstring>*>(lParam)->push_back(TextOf(hwnd));
    return TRUE;
}

bool ShowsText(HWND box, const std::wstring& expected) {
    std::vector<std::wstring> texts;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&texts));
    for (const std::wstring& text : texts) {
        if (text == expected) return true;
    }
    return false;
}

bool MutexExists() {
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kTitle);
    if (mutex) CloseHandle(mutex);
    return mutex != nullptr;
}

void CheckMainWindow(HWND main) {
    RECT r = {};
    GetWindowRect(main, &r);
    std::printf("main window at (%ld,%ld), %ld x %ld\n", r.left, r.top, r.right - r.left,
                r.bottom - r.top);
    Report(r.left == 0 && r.top == 0 && r.right == 680 && r.bottom == 480,
           "main window at (0,0), 680 x 480");
    const DWORD style = static_cast<DWORD>(GetWindowLongW(main, GWL_STYLE));
    const DWORD wanted = WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL;
    Report((style & wanted) == wanted, "main window style: overlapped, visible, both scroll bars");
    Report((GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0,
           "main window accepts dropped files");
}

// The class icon of another process's window cannot be asked for everywhere, so the check
// loads the icon from the executable's resources, as the window class does.
void CheckIcon(const std::wstring& program) {
    HMODULE image = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HICON icon = image ? LoadIconW(image, L"DAUBICON") : nullptr;
    Report(icon != nullptr, "Daubix.exe holds the icon DAUBICON");
    if (icon) DestroyIcon(icon);
    if (image) FreeLibrary(image);
}

struct Satellite {
    const wchar_t* title;
    const char* name;
    RECT rect;  // screen rectangle; all zero where the template decides it
};

// The six windows around the main window, each with its own title, at its own place. They
// come after the main window, which shows as soon as it is made.
void CheckSatellites(const Copy& copy) {
    const Satellite satellites[] = {
        {L"座標", "info window 座標", {540, 440, 680, 550}},
        {L"レイヤー", "layer window レイヤー", {540, 240, 690, 440}},
        {L"編集レイヤー画像", "layer image window 編集レイヤー画像", {540, 40, 740, 240}},
        {L"ツール", "toolbox ツール", {}},
        {L"パレット", "colour box パレット", {}},
        {L"曲線設定", "curve settings 曲線設定", {}},
    };
    for (const Satellite& s : satellites) {
        HWND window = WaitForWindow(copy, s.title);
        std::string what = std::string(s.name) + " appears";
        Report(window != nullptr, what.c_str());
        if (!window || s.rect.right == 0) continue;
        RECT r = {};
        GetWindowRect(window, &r);
        what = std::string(s.name) + " at its place";
        Report(EqualRect(&r, &s.rect) != 0, what.c_str());
    }
}

// Its items belong to the other process; the Windows tests check them on the resource.
void CheckMenuBar(HWND main) {
    Report(GetMenu(main) != nullptr, "main window has the menu bar");
}

// A screen pixel of the window's client area, as the user sees it.
COLORREF ClientPixel(HWND window, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(window, &p);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// Waits until the pixel has the colour, for at most a few seconds.
bool ShowsColour(HWND window, int x, int y, COLORREF colour) {
    for (int tries = 0; tries < 60; ++tries) {
        if (ClientPixel(window, x, y) == colour) return true;
        Sleep(50);
    }
    std::printf("pixel (%d,%d) is %06lx\n", x, y,
                static_cast<unsigned long>(ClientPixel(window, x, y)));
    return false;
}

// New through its dialog at 100 x 100, then two zoom steps: at (150, 50) the grey beside the
// canvas at zoom 1, the white canvas at zoom 4.
void CheckNewAndZoom(const Copy& copy, HWND main) {
    PostMessageW(main, WM_COMMAND, 40042, 0);
    HWND dialog = WaitForWindow(copy, L"画像のサイズの変更");
    Report(dialog != nullptr, "New shows the size dialog 画像のサイズの変更");
    if (!dialog) return;
    SendMessageW(GetDlgItem(dialog, IDC_RESIZE_WIDTH), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"100"));
    SendMessageW(GetDlgItem(dialog, IDC_RESIZE_HEIGHT), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"100"));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    const int x = 150, y = 50;
    Report(ShowsColour(main, 50, 50, RGB(255, 255, 255)), "New shows a white canvas");
    Report(ShowsColour(main, x, y, RGB(150, 150, 150)), "grey beside the canvas at zoom 1");
    PostMessageW(main, WM_KEYDOWN, VK_NEXT, 0);
    PostMessageW(main, WM_KEYDOWN, VK_NEXT, 0);
    Report(ShowsColour(main, x, y, RGB(255, 255, 255)),
           "two Page Down keys zoom the canvas past the window");
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (GetScrollInfo(main, SB_HORZ, &info))
        Report(info.nMax == 100 * 4 + 2, "the horizontal scroll bar spans the canvas at zoom 4");
}

// Clicks OK until the box is gone: a box that has only just appeared may not take the first.
void PressOk(HWND box) {
    for (int tries = 0; tries < 20 && IsWindow(box); ++tries) {
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        Sleep(250);
    }
}

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

// Back at zoom 1, a pen stroke posted as mouse messages turns the canvas black along its way
// (the pen draws one pixel up and left of the pointer), and undo takes it back.
void CheckPenAndUndo(HWND main) {
    PostMessageW(main, WM_KEYDOWN, VK_PRIOR, 0);
    PostMessageW(main, WM_KEYDOWN, VK_PRIOR, 0);
    PostMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    PostMessageW(main, WM_MOUSEMOVE, MK_LBUTTON, At(40, 20));
    PostMessageW(main, WM_LBUTTONUP, 0, At(40, 20));
    Report(ShowsColour(main, 30, 19, RGB(0, 0, 0)), "a pen stroke shows on the canvas");
    Report(ClientPixel(main, 30, 24) == RGB(255, 255, 255), "only along its way");
    PostMessageW(main, WM_COMMAND, 40016, 0);
    Report(ShowsColour(main, 30, 19, RGB(255, 255, 255)), "undo takes the stroke back");
}

// The brush chosen in the toolbox, one dab posted at client (60, 60): the screen shows the
// pixels the program's own brush computes for a black dab on the white canvas.
void CheckBrushDab(const Copy& copy, HWND main) {
    HWND toolbox = WaitForWindow(copy, L"ツール");
    Report(toolbox != nullptr, "the toolbox is there to choose the brush");
    if (!toolbox) return;
    PostMessageW(toolbox, WM_LBUTTONDOWN, MK_LBUTTON, At(38, 87));  // row 3, right column
    PostMessageW(toolbox, WM_LBUTTONUP, 0, At(38, 87));
    constexpr int kSide = 100, kX = 60, kY = 60, kMargin = 2;
    daub::LayerStack expected(6);
    expected.DefineFormat(0, kSide, kSide);
    daub::FillBitmap(expected.CreateSlotBitmap(0), 0xFFFFFF);
    daub::ApplyBrushDab(expected, 0x000000, 0, kX - kMargin, kY - kMargin, 65, 65, 0, 0);
    const daub::SlotView view = daub::ViewOf(expected, 0, 0);
    const auto predicted = [&](int x, int y) {
        const daub::COLORREF c = daub::LoadPixel(view.At(x - kMargin, y - kMargin));
        return RGB(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    };
    PostMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, At(kX, kY));
    PostMessageW(main, WM_LBUTTONUP, 0, At(kX, kY));
    Report(predicted(kX, kY) != RGB(255, 255, 255) && ShowsColour(main, kX, kY, predicted(kX, kY)),
           "a brush dab shows at its centre the colour the brush computes");
    int wrong = 0, painted = 0;
    for (int y = kY - 34; y <= kY + 34; ++y) {
        for (int x = kX - 34; x <= kX + 34; ++x) {
            if (ClientPixel(main, x, y) != predicted(x, y)) ++wrong;
            if (predicted(x, y) != RGB(255, 255, 255)) ++painted;
        }
    }
    if (wrong) std::printf("%d of the dab's pixels differ from the prediction\n", wrong);
    Report(wrong == 0 && painted > 100, "every pixel around the dab is as the brush computes it");
}

// Clicks the button until the box is gone, as PressOk does.
void PressButton(HWND box, int id) {
    for (int tries = 0; tries < 20 && IsWindow(box); ++tries) {
        PostMessageW(GetDlgItem(box, id), BM_CLICK, 0, 0);
        Sleep(250);
    }
}

std::vector<unsigned char> FileBytes(const std::wstring& path) {
    std::vector<unsigned char> bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return bytes;
    unsigned char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(file);
    return bytes;
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Where a relative name lands: the start directory, or the work directory the program
// changes into.
std::vector<std::wstring> PlacesOf(const wchar_t* name) {
    wchar_t current[32768] = {};
    GetCurrentDirectoryW(32768, current);
    return {std::wstring(current) + L"\\" + name, ProgramDirectory() + name,
            ProgramDirectory() + L"Temp\\" + name};
}

// The pixel of a 24-bit bottom-up BMP as the checker reads it, or white beyond the file.
COLORREF BmpPixel(const std::vector<unsigned char>& bmp, int x, int y) {
    if (bmp.size() < 54) return CLR_INVALID;
    const int width = *reinterpret_cast<const int*>(&bmp[18]);
    const int height = *reinterpret_cast<const int*>(&bmp[22]);
    const size_t stride = (3 * static_cast<size_t>(width) + 3) & ~size_t{3};
    const size_t at = 54 + stride * (height - 1 - y) + 3 * static_cast<size_t>(x);
    if (x >= width || y >= height || at + 3 > bmp.size()) return CLR_INVALID;
    return RGB(bmp[at + 2], bmp[at + 1], bmp[at]);
}

// 上書き保存 answered Yes writes the picture shown: every pixel of the file equals the
// screen's at zoom 1.
void CheckSave(const Copy& copy, HWND main) {
    for (const std::wstring& place : PlacesOf(L"notitle.bmp"))
        DeleteFileW(place.c_str());
    PostMessageW(main, WM_COMMAND, 40028, 0);
    HWND question = WaitForWindow(copy, L"確認");
    Report(question != nullptr && ShowsText(question, L"notitle.bmpに保存します。よろしいですか？"),
           "上書き保存 asks notitle.bmpに保存します。よろしいですか？");
    if (!question) return;
    PressButton(question, IDYES);
    std::vector<unsigned char> bmp;
    for (int tries = 0; tries < 60 && bmp.empty(); ++tries, Sleep(50))
        for (const std::wstring& place : PlacesOf(L"notitle.bmp"))
            if (FileExists(place)) bmp = FileBytes(place);
    Report(bmp.size() == 54 + 300 * 100, "the answer Yes writes notitle.bmp, 100 x 100, 24-bit");
    int wrong = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            if (BmpPixel(bmp, x, y) != ClientPixel(main, x + 2, y + 2)) ++wrong;
    if (wrong) std::printf("%d pixels of notitle.bmp differ from the screen\n", wrong);
    Report(!bmp.empty() && wrong == 0, "every pixel of the saved file is the one on screen");
}

BOOL CALLBACK FirstEdit(HWND hwnd, LPARAM lParam) {
    if (ClassOf(hwnd) != L"Edit" || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hwnd;
    return FALSE;
}

// A visible window of the class that is none of the program's own dialogs.
bool IsForeignOfClass(HWND hwnd, const wchar_t* className) {
    const std::wstring title = TextOf(hwnd);
    return ClassOf(hwnd) == className && title != L"ツール" && title != L"パレット" &&
           title != L"曲線設定";
}

// The system's open dialog ("#32770", whatever its title in this language) or a popup menu
// ("#32768") of the copy; null when none comes in time.
HWND WaitForClass(const Copy& copy, const wchar_t* className) {
    for (DWORD waited = 0; waited < kStartLimitMs; waited += 50) {
        const HWND found = FindWindowWhere(
            copy, [className](HWND hwnd) { return IsForeignOfClass(hwnd, className); });
        if (found) return found;
        Sleep(50);
    }
    return nullptr;
}

// A BMP the checker writes: 40 x 30 red with one blue pixel at (5, 7).
std::vector<unsigned char> TestPicture() {
    constexpr int w = 40, h = 30, stride = 120;
    std::vector<unsigned char> bmp(54 + stride * h, 0);
    const unsigned char header[] = {'B', 'M'};
    std::copy(header, header + 2, bmp.begin());
    auto put32 = [&](size_t at, unsigned v) {
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    put32(2, static_cast<unsigned>(bmp.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    bmp[26] = 1;
    bmp[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool blue = x == 5 && y == 7;
            unsigned char* p = &bmp[54 + stride * (h - 1 - y) + 3 * x];
            p[0] = blue ? 255 : 0;
            p[2] = blue ? 0 : 255;
        }
    return bmp;
}

// ビットマップを開く through the system's dialog: its path typed into the dialog's edit,
// then Enter; the picture shows on the canvas.
void CheckOpen(const Copy& copy, HWND main) {
    const std::wstring path = ProgramDirectory() + L"open-check.bmp";
    const std::vector<unsigned char> bmp = TestPicture();
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file) {
        std::fwrite(bmp.data(), 1, bmp.size(), file);
        std::fclose(file);
    }
    PostMessageW(main, WM_COMMAND, 40001, 0);
    HWND dialog = WaitForClass(copy, L"#32770");
    Report(dialog != nullptr, "ビットマップを開く shows the open dialog");
    if (!dialog) return;
    HWND edit = nullptr;
    for (int tries = 0; tries < 40 && !edit; ++tries, Sleep(50))
        EnumChildWindows(dialog, FirstEdit, reinterpret_cast<LPARAM>(&edit));
    Report(edit != nullptr, "the open dialog has a file name edit");
    if (!edit) return;
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    Report(ShowsColour(main, 2 + 20, 2 + 20, RGB(255, 0, 0)), "the opened picture shows: red");
    Report(ShowsColour(main, 2 + 5, 2 + 7, RGB(0, 0, 255)), "its blue pixel at (5, 7)");
    Report(ShowsColour(main, 2 + 60, 2 + 20, RGB(150, 150, 150)),
           "grey beside it: the canvas took the picture's size");
    DeleteFileW(path.c_str());
}

// すべて選択, コピー and 範囲の削除 leave the key colour where the picture was; 貼り付け
// brings it back floating at the top-left corner.
void CheckCopyAndPaste(HWND main) {
    PostMessageW(main, WM_COMMAND, 40020, 0);
    PostMessageW(main, WM_COMMAND, 40018, 0);
    PostMessageW(main, WM_COMMAND, 40021, 0);
    Report(ShowsColour(main, 2 + 20, 2 + 20, RGB(223, 231, 240)),
           "select all, copy and delete range leave the key colour");
    PostMessageW(main, WM_COMMAND, 40019, 0);
    Report(ShowsColour(main, 2 + 20, 2 + 20, RGB(255, 0, 0)), "paste shows the picture again");
    Report(ShowsColour(main, 2 + 5, 2 + 7, RGB(0, 0, 255)),
           "floating at the top-left: its blue pixel at (5, 7)");
}

// 新規レイヤー from the layer window's popup: a right click on the list, the first item
// chosen with the keyboard; the new row shows with its red visibility cell.
void CheckNewLayerFromPopup(const Copy& copy) {
    HWND layers = WaitForWindow(copy, L"レイヤー");
    Report(layers != nullptr, "the layer window is there");
    if (!layers) return;
    const COLORREF red = RGB(255, 0, 0);
    Report(ClientPixel(layers, 10, 50) != red, "before: one row in the list");
    PostMessageW(layers, WM_RBUTTONDOWN, MK_RBUTTON, At(100, 120));
    PostMessageW(layers, WM_RBUTTONUP, 0, At(100, 120));
    HWND menu = WaitForClass(copy, L"#32768");
    Report(menu != nullptr, "a right click on the list opens its popup menu");
    if (!menu) return;
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    Report(ShowsColour(layers, 10, 50, red), "新規レイヤー adds a second row, shown");
}

// 左右反転 of the edited layer: the opened picture's blue pixel at (5, 7) shows mirrored at
// (34, 7) of its 40 columns.
void CheckFlip(HWND main) {
    PostMessageW(main, WM_COMMAND, 40029, 0);
    Report(ShowsColour(main, 2 + 34, 2 + 7, RGB(0, 0, 255)),
           "左右反転 shows the blue pixel mirrored");
    Report(ShowsColour(main, 2 + 5, 2 + 7, RGB(255, 0, 0)), "and red where it was");
}

// Whether any pixel within one of (x, y) has the colour, waiting a few seconds for it.
bool ShowsColourNear(HWND window, int x, int y, COLORREF colour) {
    for (int tries = 0; tries < 60; ++tries) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (ClientPixel(window, x + dx, y + dy) == colour) return true;
        Sleep(50);
    }
    return false;
}

// The curve tool chosen in the toolbox, three points placed with the left button and the
// curve drawn with a right click: black pixels along it on the red picture.
void CheckCurve(const Copy& copy, HWND main) {
    HWND toolbox = WaitForWindow(copy, L"ツール");
    if (!toolbox) return Report(false, "the toolbox is there to choose the curve");
    PostMessageW(toolbox, WM_LBUTTONDOWN, MK_LBUTTON, At(38, 137));  // row 5, right column
    PostMessageW(toolbox, WM_LBUTTONUP, 0, At(38, 137));
    const POINT points[] = {{8, 24}, {20, 12}, {32, 24}};
    for (const POINT& p : points) {
        PostMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, At(p.x, p.y));
        PostMessageW(main, WM_LBUTTONUP, 0, At(p.x, p.y));
    }
    PostMessageW(main, WM_RBUTTONDOWN, MK_RBUTTON, At(20, 28));
    PostMessageW(main, WM_RBUTTONUP, 0, At(20, 28));
    Report(
        ShowsColourNear(main, 20, 12, RGB(0, 0, 0)) && ShowsColourNear(main, 8, 24, RGB(0, 0, 0)),
        "a curve through three points, drawn with a right click, shows on the canvas");
}

// A picture bigger than the window whose every pixel tells where it is: red and green the
// low bytes of x and y, blue their high bits.
constexpr int kMapWidth = 900, kMapHeight = 700;

COLORREF MapColour(int x, int y) {
    return RGB(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8));
}

POINT MapPoint(COLORREF c) {
    return {GetRValue(c) | ((GetBValue(c) >> 4) << 8), GetGValue(c) | ((GetBValue(c) & 15) << 8)};
}

std::wstring WriteMapPng() {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(3 * kMapWidth * kMapHeight);
    for (int y = 0; y < kMapHeight; ++y)
        for (int x = 0; x < kMapWidth; ++x) {
            const COLORREF c = MapColour(x, y);
            rgb.insert(rgb.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    const std::vector<std::uint8_t> png = StoredPng(kMapWidth, kMapHeight, rgb);
    const std::wstring path = ProgramDirectory() + L"drop-check.png";
    if (FILE* file = _wfopen(path.c_str(), L"wb")) {
        std::fwrite(png.data(), 1, png.size(), file);
        std::fclose(file);
    }
    return path;
}

// Drops the file on the window as the shell hands a drop over: a DROPFILES block with the
// wide path, in the receiving process's memory, as the wParam of WM_DROPFILES.
bool DropFile(const Copy& copy, HWND window, const std::wstring& path) {
    constexpr SIZE_T kLead = 64;  // room before the block, as a heap block would have
    const SIZE_T size = kLead + sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    std::vector<unsigned char> block(size, 0);
    auto* drop = reinterpret_cast<DROPFILES*>(&block[kLead]);
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::copy(path.begin(), path.end(),
              reinterpret_cast<wchar_t*>(&block[kLead + sizeof(DROPFILES)]));
    void* remote = VirtualAllocEx(copy.process.hProcess, nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                  PAGE_READWRITE);
    if (!remote || !WriteProcessMemory(copy.process.hProcess, remote, block.data(), size, nullptr))
        return false;
    return PostMessageW(window, WM_DROPFILES,
                        reinterpret_cast<WPARAM>(static_cast<unsigned char*>(remote) + kLead),
                        0) != 0;
}

// A PNG dropped on the main window replaces the changed picture once the question is
// answered: its pixels show at zoom 1.
void CheckDroppedPng(const Copy& copy, HWND main) {
    const std::wstring path = WriteMapPng();
    Report(DropFile(copy, main, path), "a PNG is dropped on the main window");
    if (HWND question = WaitForWindow(copy, L"注意")) PressOk(question);
    Report(ShowsColour(main, 2 + 300, 2 + 200, MapColour(300, 200)) &&
               ShowsColour(main, 2 + 5, 2 + 7, MapColour(5, 7)),
           "the dropped PNG opens: its pixels show where they belong");
    DeleteFileW(path.c_str());
}

// Waits until the pixel tells a map point other than the one it showed before.
POINT MapPointAfterChange(HWND window, int x, int y, POINT before) {
    POINT now = before;
    for (int tries = 0; tries < 60 && now.x == before.x && now.y == before.y; ++tries, Sleep(50))
        now = MapPoint(ClientPixel(window, x, y));
    return now;
}

LPARAM ScreenAt(HWND window, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(window, &p);
    return MAKELPARAM(p.x, p.y);
}

// Ctrl+wheel over a point of the map zooms in keeping that point under the pointer; a
// plain notch then moves the view down.
void CheckWheel(HWND main) {
    const int x = 300, y = 200;
    const POINT before = MapPoint(ClientPixel(main, x, y));
    const POINT beside = MapPoint(ClientPixel(main, x + 40, y));
    PostMessageW(main, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), ScreenAt(main, x, y));
    const POINT besideNow = MapPointAfterChange(main, x + 40, y, beside);
    const POINT under = MapPoint(ClientPixel(main, x, y));
    std::printf("under the pointer (%ld,%ld) before, (%ld,%ld) after; 40 right: %ld then %ld\n",
                before.x, before.y, under.x, under.y, beside.x, besideNow.x);
    Report(besideNow.x == before.x + 20, "Ctrl+wheel zooms in to 2");
    Report(under.x == before.x && under.y == before.y, "the point under the pointer stays there");
    PostMessageW(main, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), ScreenAt(main, x, y));
    const POINT scrolled = MapPointAfterChange(main, x, y, under);
    Report(scrolled.x == under.x && scrolled.y > under.y,
           "a wheel notch towards the user scrolls down");
}

// ビットマップを保存 with the dialog's second file type, PNG, and a name typed without an
// extension: the system's dialog adds the type's extension and the program writes a PNG.
void CheckSaveAsPng(const Copy& copy, HWND main) {
    const std::wstring base = ProgramDirectory() + L"save-check";
    const std::wstring path = base + L".png";
    DeleteFileW(path.c_str());
    PostMessageW(main, WM_COMMAND, 40002, 0);
    HWND dialog = WaitForClass(copy, L"#32770");
    HWND types = dialog ? GetDlgItem(dialog, cmb1) : nullptr;
    HWND edit = nullptr;
    for (int tries = 0; tries < 40 && dialog && !edit; ++tries, Sleep(50))
        EnumChildWindows(dialog, FirstEdit, reinterpret_cast<LPARAM>(&edit));
    Report(types && edit, "ビットマップを保存 shows the save dialog with its file types");
    if (!types || !edit) return;
    // What a choice in the list sends its dialog.
    SendMessageW(types, CB_SETCURSEL, 1, 0);
    for (WORD notification : {CBN_SELCHANGE, CBN_SELENDOK})
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, notification),
                     reinterpret_cast<LPARAM>(types));
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(base.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    std::vector<unsigned char> png;
    for (int tries = 0; tries < 100 && png.size() < 24; ++tries, Sleep(50))
        png = FileBytes(path);
    const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto big = [&](size_t at) {
        return png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
    };
    Report(png.size() >= 24 && std::equal(signature, signature + 8, png.begin()) &&
               big(16) == kMapWidth && big(20) == kMapHeight,
           "the PNG type writes save-check.png, a PNG of the picture's size");
    DeleteFileW(path.c_str());
}

void CheckSecondCopy(const std::wstring& program) {
    Copy second;
    if (!Start(second, program)) return Report(false, "second copy starts");
    HWND box = WaitForWindow(second, kRefusalCaption);
    Report(box != nullptr, "second copy shows a box captioned エラー");
    if (!box) return;
    Report(ShowsText(box, kRefusalText), "the box says 二重起動はできません");
    Report(FindWindowOf(second, kTitle) == nullptr, "second copy has no main window");
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    Report(second.Ended(kExitLimitMs), "second copy ends after OK");
}

int Check() {
    const std::wstring program = ProgramPath();
    if (FindWindowW(nullptr, kTitle) || MutexExists()) {
        Report(false, "no copy of Daubix runs before the check");
        return 1;
    }
    Copy first;
    if (!Start(first, program)) {
        Report(false, "Daubix.exe starts (is it beside this program?)");
        return 1;
    }
    HWND main = WaitForWindow(first, kTitle);
    Report(main != nullptr, "first copy shows its window titled Daubix");
    if (!main) return 1;
    CheckMainWindow(main);
    CheckIcon(program);
    CheckSatellites(first);
    CheckMenuBar(main);
    CheckNewAndZoom(first, main);
    CheckPenAndUndo(main);
    CheckBrushDab(first, main);
    CheckSave(first, main);
    CheckOpen(first, main);
    CheckCopyAndPaste(main);
    CheckNewLayerFromPopup(first);
    CheckFlip(main);
    CheckCurve(first, main);
    CheckDroppedPng(first, main);
    CheckWheel(main);
    CheckSaveAsPng(first, main);
    const std::wstring settings = ProgramDirectory() + L"Daubix.ini";
    Report(MutexExists(), "first copy holds the mutex Daubix");

    CheckSecondCopy(program);
    Report(first.Running() && IsWindow(main), "first copy still runs");

    // The second copy wrote a default file at its start; closing must write it again.
    DeleteFileW(settings.c_str());
    // The picture is changed again (mirrored), so closing asks first; OK ends the program.
    PostMessageW(main, WM_COMMAND, 40029, 0);
    PostMessageW(main, WM_CLOSE, 0, 0);
    HWND question = WaitForWindow(first, L"確認");
    Report(question != nullptr &&
               ShowsText(question, L"画像が変更されています。終了してよろしいですか？"),
           "closing a changed picture asks 画像が変更されています。終了してよろしいですか？");
    if (question) PressOk(question);
    Report(first.Ended(kExitLimitMs), "first copy ends when its window is closed");
    Report(!first.Running() && first.ExitCode() == 0, "first copy exits with code 0");
    Report(!MutexExists(), "the mutex is gone");
    Report(GetFileAttributesW(settings.c_str()) != INVALID_FILE_ATTRIBUTES,
           "closing wrote Daubix.ini beside Daubix.exe");
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main() {
    const int result = Check();
    std::printf("startup check: %s\n", result == 0 ? "passed" : "FAILED");
    return result;
}
