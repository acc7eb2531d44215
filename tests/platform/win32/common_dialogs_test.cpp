#include <gtest/gtest.h>

#include <string>

#include "platform/win32/wide_text.h"
#include "tests/platform/win32/win32_test_support.h"

namespace daub::win32test {
namespace {

// Answers the next dialog box this thread opens with a button, the way the user would: a
// command posted to it as soon as it exists, handled once it runs.
class DialogAnswerer {
  public:
    explicit DialogAnswerer(int button) {
        button_ = button;
        answered_ = 0;
        hook_ = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    }
    ~DialogAnswerer() { UnhookWindowsHookEx(hook_); }
    static int Answered() { return answered_; }

  private:
    static bool IsDialogBox(const CREATESTRUCTW& create) {
        const bool dialogClass = IS_INTRESOURCE(create.lpszClass)
                                     ? create.lpszClass == MAKEINTRESOURCEW(0x8002)
                                     : std::wstring(create.lpszClass) == L"#32770";
        return dialogClass && !(create.style & WS_CHILD);
    }
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND &&
            IsDialogBox(*reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs)) {
            PostMessageW(reinterpret_cast<HWND>(wParam), WM_COMMAND, button_, 0);
            ++answered_;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK hook_;
    static inline int button_ = IDCANCEL;
    static inline int answered_ = 0;
};

// A folder and a file with Japanese names, so that the paths cross the UTF-16 boundary both
// ways; removed again at the end.
class Win32FileDialogs : public testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"daubix 試験 " + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        file_ = folder_ + L"\\夕焼け.bmp";
        HANDLE handle = CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE);
        CloseHandle(handle);
    }
    void TearDown() override {
        DeleteFileW(file_.c_str());
        RemoveDirectoryW(folder_.c_str());
    }

    static FileDialogRequest Request(bool save, const std::wstring& initialPath) {
        return {"ビットマップ (*.bmp)|*.bmp|すべて (*.*)|*.*|", "bmp", Narrow(initialPath), save};
    }

    std::wstring folder_;
    std::wstring file_;
};

TEST_F(Win32FileDialogs, OpenDialogGivesBackTheChosenExistingFile) {
    DialogAnswerer answer(IDOK);

    const auto chosen = TestPlatform().AskFileName({}, Request(false, file_));

    EXPECT_EQ(DialogAnswerer::Answered(), 1);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, Narrow(file_));
}

TEST_F(Win32FileDialogs, SaveDialogAddsTheDefaultExtension) {
    DialogAnswerer answer(IDOK);

    const auto chosen = TestPlatform().AskFileName({}, Request(true, folder_ + L"\\新しい絵"));

    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, Narrow(folder_ + L"\\新しい絵.bmp"));
}

TEST_F(Win32FileDialogs, CancelledDialogGivesNothing) {
    DialogAnswerer answer(IDCANCEL);

    EXPECT_FALSE(TestPlatform().AskFileName({}, Request(false, file_)));
    EXPECT_EQ(DialogAnswerer::Answered(), 1);
}

TEST(Win32ColourDialog, OkKeepsTheStartingColourAndCancelGivesNothing) {
    {
        DialogAnswerer answer(IDOK);
        EXPECT_EQ(TestPlatform().ChooseColour({}, 0xF0E7DF),
                  std::optional<std::uint32_t>(0xF0E7DF));
    }
    {
        DialogAnswerer answer(IDCANCEL);
        EXPECT_FALSE(TestPlatform().ChooseColour({}, 0x123456));
    }
}

}  // namespace
}  // namespace daub::win32test
