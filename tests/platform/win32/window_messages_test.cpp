#include <gtest/gtest.h>

#include <memory>

#include "platform/win32/win32_handles.h"
#include "platform/window_styles.h"
#include "tests/platform/win32/win32_test_support.h"

namespace daub::win32test {
namespace {

constexpr unsigned kToolboxChanged = wm::kUser + 1;

TEST(Win32Windows, SentMessageIsHandledBeforeTheCallReturnsAndGivesTheHandlersResult) {
    RecordingWindow window(TestPlatform());
    ASSERT_TRUE(window.CreateTopLevel("送り先"));
    window.answers[kToolboxChanged] = 1234;

    const std::intptr_t result =
        TestPlatform().SendWindowMessage(window.Handle(), {kToolboxChanged, 7, -9});

    EXPECT_EQ(result, 1234);
    const std::vector<Message> got = window.Received(kToolboxChanged);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].wParam, 7u);
    EXPECT_EQ(got[0].lParam, -9);
    // Without an answer the platform's default runs: DefWindowProc gives 0 for a private
    // message.
    EXPECT_EQ(TestPlatform().SendWindowMessage(window.Handle(), {kToolboxChanged + 1, 0, 0}), 0);
}

TEST(Win32Windows, ObjectKnowsItsHandleFromItsFirstMessageAndTheTitleArrivesAsWritten) {
    WindowHandle seenAtCreate;
    RecordingWindow window(TestPlatform());
    window.onMessage = [&](const Message& message, WindowHandle handle) {
        if (message.id == wm::kCreate) seenAtCreate = handle;
    };

    const WindowHandle handle = window.CreateTopLevel("編集レイヤー画像");

    ASSERT_TRUE(handle);
    EXPECT_EQ(seenAtCreate, handle);
    wchar_t title[64] = {};
    GetWindowTextW(ToHwnd(handle), title, 64);
    EXPECT_STREQ(title, L"編集レイヤー画像");
}

// The satellites are created with the main window as parent: they go when it goes, and
// their objects learn it.
TEST(Win32Windows, SatelliteBelongsToItsParentAndIsDetachedWhenTheParentIsDestroyed) {
    RecordingWindow main(TestPlatform());
    RecordingWindow popup(TestPlatform());
    RecordingWindow child(TestPlatform());
    ASSERT_TRUE(main.CreateTopLevel("Daubix"));
    ASSERT_TRUE(popup.CreateTopLevel("座標", main.Handle(), ws::kPopup | ws::kCaption));
    ASSERT_TRUE(child.CreateTopLevel("レイヤー", main.Handle(), ws::kChild | ws::kCaption));
    const HWND mainHwnd = ToHwnd(main.Handle());
    const HWND popupHwnd = ToHwnd(popup.Handle());
    EXPECT_EQ(GetWindow(popupHwnd, GW_OWNER), mainHwnd);
    EXPECT_EQ(GetParent(ToHwnd(child.Handle())), mainHwnd);

    TestPlatform().DestroyNativeWindow(main.Handle());

    EXPECT_FALSE(IsWindow(popupHwnd));
    EXPECT_FALSE(popup.Handle());
    EXPECT_FALSE(child.Handle());
    EXPECT_EQ(popup.Received(wm::kDestroy).size(), 1u);
}

TEST(Win32Windows, DeletingTheObjectDestroysItsWindow) {
    auto window = std::make_unique<RecordingWindow>(TestPlatform());
    ASSERT_TRUE(window->CreateTopLevel("消える窓"));
    const HWND hwnd = ToHwnd(window->Handle());

    window.reset();

    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(Win32Windows, MovedWindowReportsItsNewScreenRectangle) {
    RecordingWindow window(TestPlatform());
    ASSERT_TRUE(window.CreateTopLevel("座標", {}, ws::kPopup | ws::kCaption));

    TestPlatform().MoveNativeWindow(window.Handle(), 540, 440, 140, 110, true);

    EXPECT_EQ(TestPlatform().WindowRect(window.Handle()), (PixelRect{540, 440, 680, 550}));
    EXPECT_FALSE(window.Received(wm::kSize).empty());
}

// A paint handler draws through the context; once the context is gone the window is valid
// again and shows what was drawn.
TEST(Win32Windows, InvalidatedWindowIsRepaintedThroughThePaintContext) {
    RecordingWindow window(TestPlatform());
    ASSERT_TRUE(window.CreateTopLevel("塗る", {}, ws::kPopup));
    const HWND hwnd = ToHwnd(window.Handle());
    // Not activated: under Wine without a window manager an activated window takes seconds
    // to go away.
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd);
    window.answers[wm::kPaint] = 0;
    int paints = 0;
    window.onMessage = [&](const Message& message, WindowHandle handle) {
        if (message.id != wm::kPaint) return;
        ++paints;
        TestPlatform().PaintContext(handle)->FillRect({0, 0, 50, 50}, 0x0000FF);
    };

    TestPlatform().InvalidateWindow(window.Handle());
    EXPECT_TRUE(GetUpdateRect(hwnd, nullptr, FALSE));
    UpdateWindow(hwnd);

    EXPECT_EQ(paints, 1);
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
    HDC dc = GetDC(hwnd);
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 60, 60), RGB(150, 150, 150));  // the class background
    ReleaseDC(hwnd, dc);
}

// The erase is the platform's WM_ERASEBKGND, sent by BeginPaint only when asked for.
TEST(Win32Windows, OnlyAnErasingInvalidationErasesTheBackground) {
    RecordingWindow window(TestPlatform());
    ASSERT_TRUE(window.CreateTopLevel("塗る", {}, ws::kPopup));
    const HWND hwnd = ToHwnd(window.Handle());
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd);
    window.answers[wm::kPaint] = 0;
    window.onMessage = [&](const Message& message, WindowHandle handle) {
        if (message.id == wm::kPaint) TestPlatform().PaintContext(handle);
    };
    const struct {
        void (Win32Platform::*invalidate)(WindowHandle);
        std::size_t erases;
    } cases[] = {{&Win32Platform::InvalidateWithoutErase, 0},
                 {&Win32Platform::InvalidateWindow, 1}};
    for (const auto& c : cases) {
        window.log.clear();
        (TestPlatform().*c.invalidate)(window.Handle());
        UpdateWindow(hwnd);

        EXPECT_EQ(window.Received(wm::kPaint).size(), 1u);
        EXPECT_EQ(window.Received(WM_ERASEBKGND).size(), c.erases);
    }
}

}  // namespace
}  // namespace daub::win32test
