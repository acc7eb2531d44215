// The file menu as a user drives it: dialogs answered, files on disk, the document after.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/command_ids.h"
#include "document/slot_view.h"
#include "files/palette_file.h"
#include "platform/message_box.h"
#include "tests/app/app_fixture.h"

namespace daub {
namespace {

using test::RunningApp;

constexpr COLORREF kRed = 0x0000FF, kWhite = 0xFFFFFF;

// Names built by appending: GCC 12 warns falsely (-Wrestrict) on a chain of + here.
std::string Numbered(const char* stem, int i) {
    std::string name = stem;
    name += std::to_string(i);
    name += ".bmp";
    return name;
}

std::vector<std::uint8_t> SolidBmp(int width, int height, COLORREF colour) {
    test::BmpSpec spec;
    spec.width = width;
    spec.height = height;
    const int stride = (3 * width + 3) & ~3;
    spec.pixels.assign(static_cast<std::size_t>(stride) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            StorePixel(&spec.pixels[static_cast<std::size_t>(y) * stride + 3 * x], colour);
    return test::BuildBmp(spec);
}

COLORREF Shown(RunningApp& run, int x, int y) {
    return LoadPixel(ViewOf(*run.Doc().layerStack, LayerStack::kDisplaySlot, 0).At(x, y));
}

void Command(RunningApp& run, int id, std::optional<std::string> fileAnswer = std::nullopt) {
    run.platform.fileNameAnswers.push_back(std::move(fileAnswer));
    run.platform.SendCommand(run.MainHandle(), id);
}

std::string LastMessage(RunningApp& run) {
    const auto& boxes = run.platform.MessageBoxes();
    return boxes.empty() ? std::string() : boxes.back().text;
}

std::vector<std::string> RecentTexts(RunningApp& run, int firstId, int count) {
    std::vector<std::string> texts;
    const int ids[2][4] = {{40037, 1044, 1045, 1046}, {40039, 1047, 1048, 1049}};
    const int* list = firstId == 40037 ? ids[0] : ids[1];
    for (int i = 0; i < count; ++i)
        if (auto item = run.platform.MenuItem(run.MainHandle(), list[i]))
            texts.push_back(item->text);
    return texts;
}

TEST(FileCommands, OpeningABitmapMakesItTheDocumentAndRecordsIt) {
    RunningApp run;
    const std::string path = run.installation.root.File("cat.bmp");
    test::WriteBytes(path, SolidBmp(7, 5, kRed));
    Command(run, cmd::kOpenBitmap, path);
    ASSERT_TRUE(run.Doc().HasDocument());
    EXPECT_EQ(run.Doc().layerStack->Width(0), 7);
    EXPECT_EQ(Shown(run, 6, 4), kRed);
    EXPECT_EQ(run.Doc().fileName, path);
    EXPECT_EQ(run.Doc().modified, 0);
    EXPECT_EQ(RecentTexts(run, 40037, 1), std::vector<std::string>{"1 " + path});
    const FileDialogRequest& asked = run.platform.FileDialogs().back().request;
    EXPECT_EQ(asked.filter,
              "ビットマップファイル |*.bmp|画像ファイル "
              "|*.bmp;*.png;*.jpg;*.jpeg;*.gif;*.tif;*.tiff;*.ico||");
    EXPECT_EQ(asked.initialPath, "*.bmp ");
}

// The file chosen was bad, not the picture on screen: it stays, name and all.
TEST(FileCommands, AFailedOpenLeavesTheDocumentAsItWas) {
    RunningApp run;
    run.New("20", "10");
    const std::string bad = run.installation.root.File("notes.bmp");
    test::WriteBytes(bad, {'h', 'e', 'l', 'l', 'o'});
    Command(run, cmd::kOpenBitmap, bad);
    EXPECT_FALSE(LastMessage(run).empty());
    ASSERT_TRUE(run.Doc().HasDocument());
    EXPECT_EQ(run.Doc().layerStack->Width(0), 20);
    EXPECT_EQ(run.Doc().fileName, "notitle.bmp");
    Command(run, cmd::kOpenBitmap, std::nullopt);  // cancelled: nothing changes either
    EXPECT_EQ(run.Doc().fileName, "notitle.bmp");
}

// Ctrl+S names the file in its question; only a picture that was written clears the change
// mark, so a failed save still guards the picture at closing.
TEST(FileCommands, SavingClearsTheChangeMarkOnlyWhenThePictureWasWritten) {
    struct Case {
        const char* name;
        bool folderExists;
        int modifiedAfter;
    } cases[] = {{"written", true, 0}, {"folder missing", false, 1}};
    for (const Case& c : cases) {
        RunningApp run;
        run.New("8", "6");
        run.Doc().modified = 1;
        const std::string folder = run.installation.root.File(c.folderExists ? "" : "gone/");
        run.Doc().fileName = folder + "pic.bmp";
        run.platform.answers.push_back(answer::kNo);
        run.platform.SendCommand(run.MainHandle(), cmd::kSave);
        EXPECT_EQ(LastMessage(run), folder + "pic.bmpに保存します。よろしいですか？") << c.name;
        EXPECT_EQ(run.Doc().modified, 1) << c.name;
        run.platform.SendCommand(run.MainHandle(), cmd::kSave);  // Yes
        EXPECT_EQ(run.Doc().modified, c.modifiedAfter) << c.name;
        EXPECT_EQ(std::filesystem::exists(run.Doc().fileName), c.folderExists) << c.name;
        // Save as under a name that cannot be written keeps the old name too.
        run.Doc().modified = 1;
        Command(run, cmd::kSaveBitmapAs, folder + "other.bmp");
        EXPECT_EQ(run.Doc().fileName, c.folderExists ? folder + "other.bmp" : folder + "pic.bmp")
            << c.name;
        EXPECT_EQ(run.Doc().modified, c.modifiedAfter) << c.name;
    }
}

TEST(FileCommands, FiveBitmapsOpenedLeaveTheLastFourNewestFirst) {
    RunningApp run;
    std::vector<std::string> paths;
    for (int i = 0; i < 5; ++i) {
        paths.push_back(run.installation.root.File(Numbered("p", i)));
        test::WriteBytes(paths.back(), SolidBmp(3, 3, kWhite));
        Command(run, cmd::kOpenBitmap, paths.back());
    }
    const std::vector<std::string> expected = {"1 " + paths[4], "2 " + paths[3], "3 " + paths[2],
                                               "4 " + paths[1]};
    EXPECT_EQ(RecentTexts(run, 40037, 4), expected);
    // Choosing the third entry opens it and moves it to the front.
    run.platform.SendCommand(run.MainHandle(), 1045);
    EXPECT_EQ(run.Doc().fileName, paths[2]);
    EXPECT_EQ(RecentTexts(run, 40037, 1), std::vector<std::string>{"1 " + paths[2]});
}

TEST(FileCommands, ALayerSetSavedOpensAgainAsTheDocument) {
    RunningApp run;
    run.New("9", "4");
    StorePixel(ViewOf(*run.Doc().layerStack, LayerStack::kFirstLayer, 0).At(2, 1), kRed);
    run.Doc().modified = 1;
    const std::string dbq = run.installation.root.File("pic.dbq");
    Command(run, cmd::kSaveLayers, dbq);
    EXPECT_EQ(run.Doc().modified, 0);
    EXPECT_TRUE(std::filesystem::exists(run.installation.root.File("pic[0].bmp")));
    run.New("30", "30");
    Command(run, cmd::kOpenLayers, dbq);
    EXPECT_EQ(run.Doc().layerStack->Width(0), 9);
    EXPECT_EQ(Shown(run, 2, 1), kRed);
    EXPECT_EQ(run.Doc().lastLayer, LayerStack::kFirstLayer);
    EXPECT_EQ(RecentTexts(run, 40039, 1), std::vector<std::string>{"1 " + dbq});
}

// A definition file without a number changes nothing and says the file could not be read.
TEST(FileCommands, AnUnreadableDefinitionFileChangesNothing) {
    RunningApp run;
    run.New("12", "12");
    const std::string dbq = run.installation.root.File("broken.dbq");
    test::WriteBytes(dbq, {'x', '\r', '\n'});
    Command(run, cmd::kOpenLayers, dbq);
    EXPECT_EQ(LastMessage(run), "ファイルの読み込みに失敗しました。");
    EXPECT_EQ(run.platform.MessageBoxes().back().caption, "エラー");
    EXPECT_EQ(run.Doc().layerStack->Width(0), 12);
}

TEST(FileCommands, APaletteSavedLoadsBackEveryCell) {
    RunningApp run;
    PaletteWindow& palette = run.Main().satellites.palette;
    const auto initial = palette.colours;
    const std::string pal = run.installation.root.File("box.pal");
    Command(run, cmd::kSavePalette, pal);
    EXPECT_EQ(run.platform.FileDialogs().back().request.initialPath, "無題.pal");
    EXPECT_EQ(test::ReadBytes(pal).size(), kPaletteFileBytes);
    palette.colours.fill(0x123456);
    Command(run, cmd::kLoadPalette, pal);
    EXPECT_EQ(palette.colours, initial);
    const std::string notPalette = run.installation.root.File("cat.pal");
    test::WriteBytes(notPalette, SolidBmp(2, 2, kRed));
    Command(run, cmd::kLoadPalette, notPalette);
    EXPECT_EQ(LastMessage(run), "パレットファイルではありません。");
    EXPECT_EQ(palette.colours, initial);
}

// Dropped on the main window: the first readable picture is the document, the rest stack on
// it in drop order; a file that cannot be read is skipped.
TEST(FileCommands, FilesDroppedOnTheMainWindowStackAsLayers) {
    RunningApp run;
    const std::string bad = run.installation.root.File("bad.bmp");
    test::WriteBytes(bad, {'n', 'o'});
    std::vector<std::string> paths = {bad};
    const COLORREF colours[] = {kRed, 0x00FF00, 0xFF0000};
    for (int i = 0; i < 3; ++i) {
        paths.push_back(run.installation.root.File(Numbered("d", i)));
        test::WriteBytes(paths.back(), SolidBmp(4, 4, colours[i]));
    }
    EXPECT_TRUE(run.platform.DropFiles(run.MainHandle(), paths));
    ASSERT_TRUE(run.Doc().HasDocument());
    EXPECT_EQ(run.Doc().lastLayer, LayerStack::kFirstLayer + 2);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(LoadPixel(ViewOf(*run.Doc().layerStack, LayerStack::kFirstLayer + i, 0).At(1, 1)),
                  colours[i]);
    EXPECT_EQ(Shown(run, 1, 1), colours[2]) << "the top layer covers the others";
    EXPECT_EQ(RecentTexts(run, 40037, 1), std::vector<std::string>{"1 " + paths[1]});
    EXPECT_EQ(run.Main().satellites.layerWindow->list.lastRow, 2);
}

}  // namespace
}  // namespace daub
