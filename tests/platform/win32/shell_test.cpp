#include "platform/win32/win32_api.h"

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"
#include "tests/platform/win32/win32_test_support.h"

namespace daub::win32test {
namespace {

// The block the shell hands a window in WM_DROPFILES: a header, then the wide names, each
// ended by a zero, and one more zero after the last.
HDROP MakeDrop(const std::vector<std::wstring>& names) {
    std::wstring list;
    for (const std::wstring& name : names)
        list += name + L'\0';
    list += L'\0';
    const std::size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(header + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST(Win32Shell, DroppedFilesArriveInOrderAsUtf8) {
    const HDROP drop = MakeDrop({L"C:\\絵\\夕焼け.bmp", L"D:\\layers.dbq"});

    const std::vector<std::string> names =
        TestPlatform().DroppedFiles(reinterpret_cast<std::uintptr_t>(drop));

    EXPECT_EQ(names, (std::vector<std::string>{"C:\\絵\\夕焼け.bmp", "D:\\layers.dbq"}));
}

TEST(Win32Shell, ModulePathNamesThisExistingProgram) {
    const std::string path = TestPlatform().ModulePath();

    ASSERT_GE(path.size(), std::strlen("daubix_wintests.exe"));
    EXPECT_EQ(path.substr(path.size() - std::strlen("daubix_wintests.exe")), "daubix_wintests.exe");
    EXPECT_NE(GetFileAttributesW(Widen(path).c_str()), INVALID_FILE_ATTRIBUTES);
}

// The configuration file is read from the current directory, which the program sets to a
// work folder that may have any name.
TEST(Win32Shell, CurrentDirectoryMovesToAJapaneseFolderAndRefusesAMissingOne) {
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + L"作業 " + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));

    EXPECT_TRUE(TestPlatform().ChangeDirectory(Narrow(folder)));
    wchar_t now[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, now);
    EXPECT_EQ(std::wstring(now), folder);
    EXPECT_FALSE(TestPlatform().ChangeDirectory(Narrow(folder + L"\\無い")));

    SetCurrentDirectoryW(previous);
    RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace daub::win32test
