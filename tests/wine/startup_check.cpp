// Starts Daubix.exe the way a user does, twice, and checks from outside what each copy shows:
// the first its main window and what it paints, the second the refusal, until the first is
// closed. Every wait has a time limit, so the check ends whatever the program does. Exit
// code 0: all passed.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "document/layer_stack.h"
#include "document/slot_view.h"
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

struct WindowQuery {
    DWORD processId;
    const wchar_t* title;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam) {
    auto* query = reinterpret_cast<WindowQuery*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId != query->processId || !IsWindowVisible(hwnd)) return TRUE;
    if (TextOf(hwnd) != query->title) return TRUE;
    query->found = hwnd;
    return FALSE;
}

HWND FindWindowOf(const Copy& copy, const wchar_t* title) {
    WindowQuery query{copy.process.dwProcessId, title};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
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
    SendMessageW(GetDlgItem(dialog, 1001), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"100"));
    SendMessageW(GetDlgItem(dialog, 1002), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"100"));
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
    const std::wstring settings = ProgramDirectory() + L"Daubix.ini";
    Report(MutexExists(), "first copy holds the mutex Daubix");

    CheckSecondCopy(program);
    Report(first.Running() && IsWindow(main), "first copy still runs");

    // The second copy wrote a default file at its start; closing must write it again.
    DeleteFileW(settings.c_str());
    // The picture was changed, so closing asks first; OK ends the program.
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
