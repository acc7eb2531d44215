#include "files/palette_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/file_messages.h"
#include "files/file_path.h"
#include "tests/files/bmp_test_support.h"
// The colour box's initial cells are defined with the window that shows them.
#include "toolwindows/palette_window.h"

namespace daub {
namespace {

using test::RecordingSink;
using test::TempDir;
using Bytes = std::vector<std::uint8_t>;

Bytes Entry(const Bytes& file, int n) {
    return {file.begin() + 24 + 4 * n, file.begin() + 28 + 4 * n};
}

TEST(PaletteFile, TheInitialColourBoxSavesAsTheStandardFile) {
    TempDir dir;
    RecordingSink sink;
    ASSERT_TRUE(SavePaletteFile(sink, dir.File("無題.pal"), PaletteWindow::kInitialColours));
    const Bytes file = test::ReadBytes(dir.File("無題.pal"));
    ASSERT_EQ(file.size(), 136u);
    const Bytes header = {'R', 'I', 'F', 'F', 128, 0, 0, 0, 'P', 'A', 'L', ' ',
                          'd', 'a', 't', 'a', 116, 0, 0, 0, 0,   3,   28,  0};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 24), header);
    EXPECT_EQ(Entry(file, 0), (Bytes{0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Entry(file, 1), (Bytes{0x80, 0x80, 0x80, 0x00}));
    EXPECT_EQ(Entry(file, 14), (Bytes{0xFF, 0xFF, 0xFF, 0x00}));
    EXPECT_EQ(Entry(file, 27), (Bytes{0xFF, 0x80, 0x40, 0x00}));
    EXPECT_TRUE(sink.messages.empty());
}

TEST(PaletteFile, ASavedPaletteLoadsIntoTheSameCells) {
    TempDir dir;
    PaletteCells cells;
    for (int i = 0; i < kPaletteFileEntries; ++i)
        cells[i] = MakeColour(i, 255 - i, 7 * i);
    RecordingSink sink;
    ASSERT_TRUE(SavePaletteFile(sink, dir.File("p.pal"), cells));
    PaletteCells loaded = PaletteWindow::kInitialColours;
    ASSERT_TRUE(LoadPaletteFile(sink, dir.File("p.pal"), loaded));
    EXPECT_EQ(loaded, cells);
}

TEST(PaletteFile, OnlyAPaletteOf28ColoursReplacesTheCells) {
    const Bytes good = [] {
        const auto f = FormatPaletteFile(PaletteWindow::kInitialColours);
        return Bytes(f.begin(), f.end());
    }();
    auto changed = [&good](std::size_t at, std::uint8_t value, std::size_t size = 136) {
        Bytes b = good;
        b[at] = value;
        b.resize(size, 0x55);
        return b;
    };
    const struct {
        const char* name;
        std::optional<Bytes> file;  // none: no file there
        const char* message;        // null: loaded
    } cases[] = {
        {"no file", std::nullopt, kFileReadFailedText},
        {"not RIFF", changed(3, 'X'), kNotPaletteText},
        {"another form", changed(11, '!'), kNotPaletteText},
        {"27 entries", changed(22, 27), kNotPaletteText},
        {"file ends before the last entry", changed(22, 28, 135), kNotPaletteText},
        {"more entries are ignored", changed(22, 30, 144), nullptr},
        {"flags byte cleared", changed(24 + 4 * 27 + 3, 0x02), nullptr},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.File("p.pal");
        if (c.file) test::WriteBytes(path, *c.file);
        PaletteCells cells{};
        RecordingSink sink;
        EXPECT_EQ(LoadPaletteFile(sink, path, cells), c.message == nullptr) << c.name;
        EXPECT_EQ(cells, c.message ? PaletteCells{} : PaletteWindow::kInitialColours) << c.name;
        ASSERT_EQ(sink.messages.size(), c.message ? 1u : 0u) << c.name;
        if (!c.message) continue;
        EXPECT_EQ(sink.messages[0].text, c.message) << c.name;
        EXPECT_EQ(sink.messages[0].caption, kFileErrorCaption) << c.name;
    }
}

TEST(PaletteFile, AFailedSaveSaysSo) {
    TempDir dir;
    RecordingSink sink;
    EXPECT_FALSE(
        SavePaletteFile(sink, dir.File("ない") + "/p.pal", PaletteWindow::kInitialColours));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, kFileWriteFailedText);
    EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(dir.File("ない"))));
}

}  // namespace
}  // namespace daub
