#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/command_ids.h"
#include "document/slot_view.h"
#include "files/file_path.h"
#include "platform/message_box.h"
#include "tests/app/app_fixture.h"

namespace daub {
namespace {

using test::RunningApp;

// The ids of a popup that are disabled when it opens.
std::set<int> DisabledIn(RunningApp& run, int popup) {
    HeadlessPlatform& p = run.platform;
    const MenuHandle menu = p.OpenPopup(run.MainHandle(), popup);
    std::set<int> disabled;
    for (int i = 0; i < p.MenuItemCount(menu); ++i) {
        const int id = p.MenuItemId(menu, i);
        if (id > 0 && !p.MenuItem(run.MainHandle(), id)->enabled) disabled.insert(id);
    }
    return disabled;
}

TEST(MainWindowCommands, MenusBeforeAndAfterNew) {
    RunningApp run;
    EXPECT_EQ(DisabledIn(run, 0), (std::set<int>{40028, 40002, 40026}));
    EXPECT_EQ(DisabledIn(run, 1), (std::set<int>{40016, 40017, 40018, 40019, 40021, 40020}));
    EXPECT_EQ(DisabledIn(run, 3), (std::set<int>{40029, 40033, 40032, 40023, 40024}));
    EXPECT_EQ(DisabledIn(run, 4), (std::set<int>{40034, 40044}));
    EXPECT_TRUE(run.Item(3, 40045).enabled);  // blur, in its submenu, has no rule

    run.New();
    ASSERT_TRUE(run.Doc().HasDocument());
    EXPECT_EQ(DisabledIn(run, 0), std::set<int>{});
    EXPECT_EQ(DisabledIn(run, 1), (std::set<int>{40016, 40017, 40018, 40019, 40021}));
    EXPECT_EQ(DisabledIn(run, 3), (std::set<int>{40024}));
    EXPECT_EQ(DisabledIn(run, 4), std::set<int>{});

    run.Doc().pendingOp = pending::kRangeSelected;
    run.Doc().selection = {0, 0, 10, 10};
    EXPECT_EQ(DisabledIn(run, 3), (std::set<int>{40023}));
    EXPECT_EQ(DisabledIn(run, 4), (std::set<int>{40034, 40044}));
}

TEST(MainWindowCommands, AcceleratorsOfDisabledCommandsDoNothing) {
    RunningApp run;
    EXPECT_EQ(run.platform.PressKey(run.MainHandle(), 'Z', true), KeyOutcome::kSuppressed);
    EXPECT_EQ(run.platform.PressKey(run.MainHandle(), 'Q', true), KeyOutcome::kKeyDown);
}

TEST(MainWindowCommands, NewMakesAWhiteCanvasWithOneLayer) {
    RunningApp run;
    run.New();
    const DocumentState& doc = run.Doc();
    ASSERT_TRUE(doc.HasDocument());
    const LayerStack& stack = *doc.layerStack;
    EXPECT_EQ(stack.Width(0), 640);
    EXPECT_EQ(stack.Height(0), 400);
    EXPECT_EQ(doc.lastLayer, 5);
    EXPECT_EQ(doc.zoom, 1.0f);
    EXPECT_EQ(doc.modified, 0);
    for (int slot : {LayerStack::kDisplaySlot, LayerStack::kFirstLayer}) {
        const ConstSlotView v = ViewOf(stack, slot, 0);
        EXPECT_EQ(LoadPixel(v.At(0, 0)), 0xFFFFFFu);
        EXPECT_EQ(LoadPixel(v.At(639, 399)), 0xFFFFFFu);
    }
    EXPECT_FALSE(run.Item(1, 40016).enabled);
    ASSERT_EQ(run.platform.Dialogs().size(), 1u);
    EXPECT_EQ(run.platform.Dialogs()[0].templateId, 134);
    EXPECT_TRUE(run.platform.MessageBoxes().empty());
}

TEST(MainWindowCommands, NewRefusesBadSizesUntilTheyAreMended) {
    RunningApp run;
    std::vector<int> focusAfterRefusal;
    run.platform.dialogScript.push_back([&](HeadlessDialog& dialog) {
        EXPECT_EQ(dialog.Text(1001), "640");
        EXPECT_EQ(dialog.Text(1002), "400");
        EXPECT_FALSE(dialog.Checked(1004));
        for (const char* bad : {"abc", "10001", "-1", "12.5", ""}) {
            dialog.Type(1001, bad);
            dialog.PressOk();
            EXPECT_TRUE(dialog.IsOpen()) << bad;
            focusAfterRefusal.push_back(dialog.FocusedControl());
        }
        dialog.Type(1001, " 10000 ");
        dialog.Type(1002, "x");
        dialog.PressOk();
        EXPECT_TRUE(dialog.IsOpen());
        focusAfterRefusal.push_back(dialog.FocusedControl());
        dialog.Type(1002, "3");
        dialog.PressOk();
    });
    run.platform.SendCommand(run.MainHandle(), cmd::kNew);
    EXPECT_EQ(focusAfterRefusal, (std::vector<int>{1001, 1001, 1001, 1001, 1001, 1002}));
    ASSERT_EQ(run.platform.MessageBoxes().size(), 6u);
    for (const RecordedMessageBox& box : run.platform.MessageBoxes()) {
        EXPECT_EQ(box.text, "");
        EXPECT_EQ(box.type & 0xF0, mb::kIconExclamation);
    }
    ASSERT_TRUE(run.Doc().HasDocument());
    EXPECT_EQ(run.Doc().layerStack->Width(0), 10000);
    EXPECT_EQ(run.Doc().layerStack->Height(0), 3);
}

TEST(MainWindowCommands, NewCancelledOrEmptyLeavesTheDocument) {
    RunningApp run;
    run.platform.dialogScript.push_back([](HeadlessDialog& dialog) { dialog.PressCancel(); });
    run.platform.SendCommand(run.MainHandle(), cmd::kNew);
    EXPECT_FALSE(run.Doc().HasDocument());

    run.New("0", "400");  // accepted by the dialog, but no canvas can be empty
    EXPECT_FALSE(run.Doc().HasDocument());
    EXPECT_FALSE(run.Item(0, 40028).enabled);

    run.New("20", "10");
    run.Doc().modified = 1;
    BitmapHandle before = run.Doc().documentBitmap;
    run.platform.answers = {answer::kCancel};
    run.platform.SendCommand(run.MainHandle(), cmd::kNew);
    run.platform.answers = {answer::kOk};
    run.platform.dialogScript.push_back([](HeadlessDialog& dialog) { dialog.PressCancel(); });
    run.platform.SendCommand(run.MainHandle(), cmd::kNew);
    EXPECT_EQ(run.Doc().documentBitmap, before);
    EXPECT_EQ(run.Doc().modified, 1);
    ASSERT_EQ(run.platform.MessageBoxes().size(), 2u);
    EXPECT_EQ(run.platform.MessageBoxes()[0].text,
              "画像が変更されています。新しいファイルを作成しますか？");
    EXPECT_EQ(run.platform.MessageBoxes()[0].caption, "注意");
    EXPECT_EQ(run.platform.MessageBoxes()[0].type & 0xF, mb::kOkCancel);
}

TEST(MainWindowCommands, CloseAsksWhenModifiedAndWritesTheSettings) {
    for (bool byMenu : {false, true}) {
        RunningApp run;
        run.New("20", "10");
        run.Doc().modified = 1;
        const WindowHandle main = run.MainHandle();
        std::filesystem::remove(PathFromUtf8(run.installation.ProgramFile()));
        auto close = [&] {
            if (byMenu)
                run.platform.SendCommand(main, cmd::kClose);
            else
                run.platform.Send(main, {wm::kClose, 0, 0});
        };
        run.platform.answers = {answer::kCancel};
        close();
        EXPECT_TRUE(run.platform.Find(main)->alive);
        EXPECT_EQ(run.Doc().modified, 1);

        run.platform.answers = {answer::kOk};
        close();
        EXPECT_FALSE(run.platform.Find(main)->alive);
        ASSERT_EQ(run.platform.MessageBoxes().size(), 2u);
        EXPECT_EQ(run.platform.MessageBoxes()[1].text,
                  "画像が変更されています。終了してよろしいですか？");
        EXPECT_EQ(run.platform.MessageBoxes()[1].caption, "確認");
        EXPECT_FALSE(test::ReadBytes(run.installation.ProgramFile()).empty()) << byMenu;
        EXPECT_EQ(run.platform.RunMessageLoop(), 0);
    }
}

TEST(MainWindowCommands, CloseWithoutChangesAsksNothing) {
    RunningApp run;
    const WindowHandle main = run.MainHandle();
    run.platform.Send(main, {wm::kClose, 0, 0});
    EXPECT_TRUE(run.platform.MessageBoxes().empty());
    EXPECT_FALSE(run.platform.Find(main)->alive);
}

TEST(MainWindowCommands, AboutNamesTheProgramAndItsVersion) {
    RunningApp run;
    run.platform.SendCommand(run.MainHandle(), cmd::kAbout);
    ASSERT_EQ(run.platform.MessageBoxes().size(), 1u);
    const RecordedMessageBox& box = run.platform.MessageBoxes()[0];
    EXPECT_EQ(box.caption, "Daubix");
    EXPECT_EQ(box.text.rfind("Daubix バージョン ", 0), 0u) << box.text;
    EXPECT_EQ(box.owner, run.MainHandle());
}

TEST(MainWindowCommands, GuideLineTogglesItsCheck) {
    RunningApp run;
    run.platform.SendCommand(run.MainHandle(), cmd::kGuideLine);
    EXPECT_EQ(run.Doc().guideLine, 1);
    EXPECT_TRUE(run.Item(2, cmd::kGuideLine).checked);
    run.platform.SendCommand(run.MainHandle(), cmd::kGuideLine);
    EXPECT_EQ(run.Doc().guideLine, 0);
    EXPECT_FALSE(run.Item(2, cmd::kGuideLine).checked);
}

}  // namespace
}  // namespace daub
