#include "app/paint_app.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_platform.h"
#include "platform/message_box.h"
#include "platform/window_styles.h"
#include "tests/support/installation.h"
#include "tests/support/program_resources.h"

namespace daub {
namespace {

// Two copies of the program on one machine: each its own platform, one kernel between them.
struct Machine {
    test::Installation installation;
    HeadlessKernel kernel;
    HeadlessPlatform first{kernel, &test::ProgramResources()};
    HeadlessPlatform second{kernel, &test::ProgramResources()};
};

void ExpectRefused(const HeadlessPlatform& platform) {
    ASSERT_EQ(platform.MessageBoxes().size(), 1u);
    const RecordedMessageBox& box = platform.MessageBoxes()[0];
    EXPECT_FALSE(box.owner);
    EXPECT_EQ(box.text, "二重起動はできません");
    EXPECT_EQ(box.caption, "エラー");
    EXPECT_EQ(box.type, mb::kOk);
    EXPECT_TRUE(platform.LiveWindows().empty());
    EXPECT_EQ(platform.FindClass(TDaubWindow::kClassName), nullptr);
}

TEST(PaintApp, FirstCopyHoldsTheMutexAndShowsTheMainWindow) {
    Machine m;
    PaintApp app(m.first, m.installation.system, sw::kShowNormal);
    ASSERT_TRUE(app.InitInstance());
    EXPECT_TRUE(m.kernel.MutexExists("Daubix"));
    EXPECT_TRUE(m.first.MessageBoxes().empty());
    ASSERT_NE(app.MainWindow(), nullptr);

    const HeadlessWindow* window = m.first.Find(app.MainWindow()->Handle());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(m.first.LiveWindows().size(), 7u);  // the main window and its six satellites
    EXPECT_EQ(window->spec.title, "Daubix");
    EXPECT_EQ(window->spec.style, 0x10FF0000u);
    EXPECT_EQ(window->spec.exStyle, ws_ex::kAcceptFiles);
    EXPECT_EQ(window->spec.x, 0);
    EXPECT_EQ(window->spec.y, 0);
    EXPECT_EQ(window->spec.width, 680);
    EXPECT_EQ(window->spec.height, 480);
    EXPECT_TRUE(window->visible);
    EXPECT_EQ(window->showCommand, sw::kShowNormal);
    EXPECT_GE(window->updates, 1);
}

TEST(PaintApp, MainWindowClassIsGreyWithTheProgramIcon) {
    Machine m;
    PaintApp app(m.first, m.installation.system, sw::kShow);
    ASSERT_TRUE(app.InitInstance());
    const WindowClass* main = m.first.FindClass(TDaubWindow::kClassName);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->style, cs::kHRedraw | cs::kVRedraw);
    EXPECT_EQ(main->background, ClassBackground::Solid(0x969696));
    EXPECT_EQ(main->iconName, "DAUBICON");
    EXPECT_EQ(main->cursorResource, 121);
}

TEST(PaintApp, MainWindowStartsWithoutDocumentAndDisabledScrollBars) {
    Machine m;
    PaintApp app(m.first, m.installation.system, sw::kShow);
    ASSERT_TRUE(app.InitInstance());
    const DocumentState& doc = app.MainWindow()->doc;
    EXPECT_FALSE(doc.HasDocument());
    ASSERT_NE(doc.layerStack, nullptr);
    EXPECT_EQ(doc.layerStack->SlotCount(), 20);
    EXPECT_EQ(doc.fileName, "notitle.bmp");

    ScrollInfo expected;
    expected.mask = sif::kRange | sif::kPage | sif::kPos | sif::kDisableNoScroll;
    expected.max = 100;
    expected.page = 200;
    const HeadlessWindow* window = m.first.Find(app.MainWindow()->Handle());
    for (int bar : {sb::kHorz, sb::kVert})
        EXPECT_EQ(window->scrollBars[bar], expected) << bar;
}

TEST(PaintApp, SecondCopyIsRefusedWithoutAWindow) {
    Machine m;
    PaintApp first(m.first, m.installation.system, sw::kShow);
    ASSERT_TRUE(first.InitInstance());
    const int handlesOfFirst = m.kernel.OpenHandleCount();

    PaintApp second(m.second, m.installation.system, sw::kShow);
    EXPECT_FALSE(second.InitInstance());
    ExpectRefused(m.second);
    EXPECT_EQ(second.MainWindow(), nullptr);
    EXPECT_EQ(m.kernel.OpenHandleCount(), handlesOfFirst);  // its handle was closed
    EXPECT_TRUE(m.first.MessageBoxes().empty());            // the first is not told
    EXPECT_EQ(m.first.LiveWindows().size(), 7u);  // the main window and its six satellites
}

// Two copies started together: the other one makes the mutex after this one looked for it.
TEST(PaintApp, CopyThatLosesTheStartingRaceIsRefusedToo) {
    Machine m;
    PaintApp first(m.first, m.installation.system, sw::kShow);
    m.kernel.afterOpenMutex = [&](const std::string&) {
        m.kernel.afterOpenMutex = nullptr;
        ASSERT_TRUE(first.InitInstance());
    };
    PaintApp second(m.second, m.installation.system, sw::kShow);
    EXPECT_FALSE(second.InitInstance());
    ExpectRefused(m.second);
    ASSERT_NE(first.MainWindow(), nullptr);

    first.ExitInstance();
    EXPECT_FALSE(m.kernel.MutexExists("Daubix"));
}

TEST(PaintApp, ExitInstanceLetsANewCopyStart) {
    Machine m;
    {
        PaintApp first(m.first, m.installation.system, sw::kShow);
        ASSERT_TRUE(first.InitInstance());
        first.ExitInstance();
        EXPECT_FALSE(m.kernel.MutexExists("Daubix"));
        EXPECT_EQ(first.MainWindow(), nullptr);
        EXPECT_TRUE(m.first.LiveWindows().empty());
    }
    EXPECT_EQ(m.kernel.OpenHandleCount(), 0);

    PaintApp next(m.second, m.installation.system, sw::kShow);
    EXPECT_TRUE(next.InitInstance());
    EXPECT_TRUE(m.second.MessageBoxes().empty());
    EXPECT_EQ(m.second.LiveWindows().size(), 7u);  // the main window and its six satellites
}

// Closing the main window ends the message loop and, with it, the single-instance claim.
TEST(PaintApp, ClosingTheMainWindowEndsTheRun) {
    Machine m;
    PaintApp app(m.first, m.installation.system, sw::kShow);
    ASSERT_TRUE(app.InitInstance());
    const WindowHandle main = app.MainWindow()->Handle();
    ASSERT_TRUE(m.first.PostWindowMessage(main, {wm::kClose, 0, 0}));
    EXPECT_EQ(m.first.RunMessageLoop(), 0);
    EXPECT_FALSE(m.first.Find(main)->alive);
    EXPECT_FALSE(app.MainWindow()->Handle());
    app.ExitInstance();
    EXPECT_FALSE(m.kernel.MutexExists("Daubix"));
}

TEST(PaintApp, RunOfARefusedCopyEndsAtOnce) {
    Machine m;
    PaintApp first(m.first, m.installation.system, sw::kShow);
    ASSERT_TRUE(first.InitInstance());
    PaintApp second(m.second, m.installation.system, sw::kShow);
    EXPECT_EQ(second.Run(), 0);
    ExpectRefused(m.second);
}

}  // namespace
}  // namespace daub
