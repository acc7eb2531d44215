#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "tests/platform/recording_window.h"
#include "tests/platform/test_script.h"

namespace daub {
namespace {

using test::RecordingWindow;

// Two copies of the program on one machine share its clipboard.
TEST(HeadlessServices, ClipboardHoldsOnePictureInCompactRowsForTheWholeMachine) {
    HeadlessKernel kernel;
    HeadlessPlatform first(kernel);
    HeadlessPlatform second(kernel);
    EXPECT_FALSE(second.ClipboardHasBitmap());
    EXPECT_FALSE(second.TakeClipboardBitmap({}));

    // 2 x 2 pixels in rows of 8 bytes, given in rows of 12.
    std::vector<std::uint8_t> rows(24, 0xAA);
    for (int i = 0; i < 6; ++i) {
        rows[i] = static_cast<std::uint8_t>(i + 1);
        rows[12 + i] = static_cast<std::uint8_t>(i + 11);
    }
    ASSERT_TRUE(first.PutClipboardBitmap({}, {rows.data(), 2, 2, 12}));
    rows.assign(rows.size(), 0);  // the clipboard keeps its own copy
    ASSERT_TRUE(second.ClipboardHasBitmap());
    const auto picture = second.TakeClipboardBitmap({});
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 2);
    EXPECT_EQ(picture->height, 2);
    EXPECT_EQ(picture->bits, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 0, 0,  //
                                                        11, 12, 13, 14, 15, 16, 0, 0}));
    EXPECT_TRUE(first.TakeClipboardBitmap({}));  // taking leaves it there

    // Pictures that cannot be read are refused and change nothing.
    const std::uint8_t pixel[3] = {};
    const PixelImage bad[] = {{nullptr, 1, 1, 4}, {pixel, 0, 1, 4}, {pixel, 2, 1, 3}};
    for (const PixelImage& image : bad)
        EXPECT_FALSE(first.PutClipboardBitmap({}, image));
    EXPECT_EQ(second.TakeClipboardBitmap({})->bits.size(), 16u);
}

TEST(HeadlessServices, DropsReachOnlyWindowsThatAcceptFilesAndEndWhenRead) {
    HeadlessKernel kernel;
    HeadlessPlatform platform(kernel);
    RecordingWindow accepting(platform);
    RecordingWindow other(platform);
    WindowSpec spec;
    spec.exStyle = ws_ex::kAcceptFiles;
    const WindowHandle target = test::MakeTestWindow(platform, accepting, spec);
    const WindowHandle refusing = test::MakeTestWindow(platform, other);

    EXPECT_FALSE(platform.DropFiles(refusing, {"C:\\a.bmp"}));
    EXPECT_TRUE(other.Received(wm::kDropFiles).empty());
    EXPECT_EQ(platform.UnfinishedDrops(), 0);

    ASSERT_TRUE(platform.DropFiles(target, {"C:\\a.bmp", "C:\\b.dbq"}));
    const auto drops = accepting.Received(wm::kDropFiles);
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(platform.UnfinishedDrops(), 1);
    EXPECT_EQ(platform.DroppedFiles(drops[0].wParam),
              (std::vector<std::string>{"C:\\a.bmp", "C:\\b.dbq"}));
    EXPECT_EQ(platform.UnfinishedDrops(), 0);
    EXPECT_TRUE(platform.DroppedFiles(drops[0].wParam).empty());
}

TEST(HeadlessServices, PickersAnswerFromTheirQueuesThenCancel) {
    HeadlessKernel kernel;
    HeadlessPlatform platform(kernel);
    platform.fileNameAnswers = {"C:\\pic.bmp", std::nullopt};
    FileDialogRequest request{"ビットマップ (*.bmp)|*.bmp|", "bmp", "notitle.bmp", true};
    EXPECT_EQ(platform.AskFileName(WindowHandle{3}, request), "C:\\pic.bmp");
    EXPECT_FALSE(platform.AskFileName({}, request));
    EXPECT_FALSE(platform.AskFileName({}, request));
    ASSERT_EQ(platform.FileDialogs().size(), 3u);
    EXPECT_EQ(platform.FileDialogs()[0].owner, WindowHandle{3});
    EXPECT_EQ(platform.FileDialogs()[0].request.filter, request.filter);
    EXPECT_TRUE(platform.FileDialogs()[0].request.save);

    platform.colourAnswers = {0xFF123456};
    EXPECT_EQ(platform.ChooseColour({}, 0xF0E7DF), 0x123456u);  // a colour has no high byte
    EXPECT_FALSE(platform.ChooseColour({}, 0));
    ASSERT_EQ(platform.ColourDialogs().size(), 2u);
    EXPECT_EQ(platform.ColourDialogs()[0].initial, 0xF0E7DFu);
}

TEST(HeadlessServices, CurrentDirectoryIsRecordedWithoutMovingTheTestProcess) {
    HeadlessKernel kernel;
    HeadlessPlatform platform(kernel);
    const auto before = std::filesystem::current_path();
    const std::string existing = std::filesystem::temp_directory_path().string();
    EXPECT_TRUE(platform.ChangeDirectory(existing));
    EXPECT_FALSE(platform.ChangeDirectory("C:\\Daubix\\Temp\\"));
    EXPECT_EQ(platform.CurrentDirectory(), existing);
    EXPECT_EQ(platform.DirectoryRequests(),
              (std::vector<std::string>{existing, "C:\\Daubix\\Temp\\"}));
    EXPECT_EQ(std::filesystem::current_path(), before);
    EXPECT_EQ(platform.ModulePath(), "C:\\Daubix\\Daubix.exe");
}

TEST(HeadlessServices, CursorsExistAsTheScriptListsThemAndTheClassCursorIsTheDefault) {
    HeadlessKernel kernel;
    HeadlessPlatform scripted(kernel, &test::TestScript());
    EXPECT_EQ(scripted.LoadCursorResource(5), CursorHandle{5});
    EXPECT_FALSE(scripted.LoadCursorResource(6));
    HeadlessPlatform bare(kernel);
    EXPECT_EQ(bare.LoadCursorResource(6), CursorHandle{6});

    // The test class's cursor is 5; a window that sets none of its own shows it.
    RecordingWindow object(scripted);
    const WindowHandle window = test::MakeTestWindow(scripted, object);
    scripted.MoveMouse(window, 3, 4);
    EXPECT_EQ(scripted.CurrentCursor(), CursorHandle{5});
    ASSERT_EQ(object.Received(wm::kMouseMove).size(), 1u);
    EXPECT_EQ(object.Received(wm::kMouseMove)[0].lParam, MakeLParam(3, 4));

    // A window that sets its own cursor on mouse moves keeps it; during a capture no
    // WM_SETCURSOR comes at all.
    object.react = [&](const Message& m) -> std::optional<std::intptr_t> {
        if (m.id == wm::kSetCursor) return 1;
        if (m.id == wm::kMouseMove) scripted.SetCursor(CursorHandle{7});
        return std::nullopt;
    };
    scripted.SetCapture(window);
    scripted.MoveMouse(window, 5, 5);
    EXPECT_EQ(scripted.CurrentCursor(), CursorHandle{7});
    EXPECT_EQ(object.Received(wm::kSetCursor).size(), 1u);
    EXPECT_EQ(scripted.CursorHistory().size(), 2u);

    EXPECT_EQ(scripted.Capture(), window);
    scripted.DestroyNativeWindow(window);  // a destroyed window loses the capture
    EXPECT_FALSE(scripted.Capture());
}

TEST(HeadlessServices, MovingAWindowResizesItsClientAreaAndTellsItOnlyOfNewSizes) {
    HeadlessKernel kernel;
    HeadlessPlatform platform(kernel);
    RecordingWindow object(platform);
    object.react = [](const Message& m) -> std::optional<std::intptr_t> {
        if (m.id == wm::kUser + 9) return static_cast<std::intptr_t>(m.wParam * 2);
        return std::nullopt;
    };
    WindowSpec spec;
    spec.x = 540;
    spec.y = 440;
    spec.width = 140;
    spec.height = 110;
    const WindowHandle window = test::MakeTestWindow(platform, object, spec);
    EXPECT_EQ(platform.WindowRect(window), (PixelRect{540, 440, 680, 550}));
    EXPECT_EQ(platform.SendWindowMessage(window, {wm::kUser + 9, 21, 0}), 42);

    platform.MoveNativeWindow(window, 10, 20, 140, 110, true);
    EXPECT_EQ(platform.WindowRect(window), (PixelRect{10, 20, 150, 130}));
    EXPECT_TRUE(object.Received(wm::kSize).empty());

    platform.MoveNativeWindow(window, 10, 20, 200, 50, true);
    const auto sizes = object.Received(wm::kSize);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].lParam, MakeLParam(200, 50));
    EXPECT_EQ(platform.Surface(window)->Width(), 200);
    EXPECT_EQ(platform.Surface(window)->Height(), 50);

    platform.DestroyNativeWindow(window);
    EXPECT_EQ(platform.WindowRect(window), PixelRect{});
    EXPECT_EQ(platform.SendWindowMessage(window, {wm::kUser + 9, 21, 0}), 0);
}

// An owned window still reaches its owner while the owner is being destroyed, as the layer
// image window reports its end to the main window.
TEST(HeadlessServices, DestroyingAnOwnerTakesItsOwnedWindowsFirst) {
    HeadlessKernel kernel;
    HeadlessPlatform platform(kernel);
    RecordingWindow main(platform);
    RecordingWindow satellite(platform);
    const WindowHandle owner = test::MakeTestWindow(platform, main);
    WindowSpec spec;
    spec.parent = owner;
    const WindowHandle owned = test::MakeTestWindow(platform, satellite, spec);
    satellite.react = [&](const Message& m) -> std::optional<std::intptr_t> {
        if (m.id == wm::kDestroy) platform.SendWindowMessage(owner, {wm::kUser + 5, 0, 0});
        return std::nullopt;
    };
    main.received.clear();
    platform.Send(owner, {wm::kClose, 0, 0});
    ASSERT_EQ(main.received.size(), 3u);
    EXPECT_EQ(main.received[1].id, wm::kUser + 5);
    EXPECT_EQ(main.received[2].id, wm::kDestroy);
    EXPECT_TRUE(platform.LiveWindows().empty());
    EXPECT_FALSE(satellite.Handle());
    EXPECT_FALSE(platform.Find(owned)->alive);
}

}  // namespace
}  // namespace daub
