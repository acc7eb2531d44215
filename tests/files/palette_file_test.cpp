#include "files/palette_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/file_messages.h"
#include "tests/files/bmp_test_support.h"
// The colour box's initial cells are defined with the window that shows them.
#include "toolwindows/palette_window.h"

namespace daub {
namespace {

using test::RecordingSink;
using Bytes = std::vector<std::uint8_t>;
const PaletteCells& kInitial = PaletteWindow::kInitialColours;

// Its 28 distinct colours also show that every entry goes back to its own cell.
TEST(PaletteFile, TheInitialColourBoxSavesAsTheStandardFileAndLoadsBack) {
    test::TempDir dir;
    RecordingSink sink;
    ASSERT_TRUE(SavePaletteFile(sink, dir.File("無題.pal"), kInitial));
    const Bytes file = test::ReadBytes(dir.File("無題.pal"));
    ASSERT_EQ(file.size(), 136u);
    const Bytes start = {'R', 'I', 'F', 'F', 128, 0,   0,    0,    'P',  'A', 'L',
                         ' ', 'd', 'a', 't', 'a', 116, 0,    0,    0,    0,   3,
                         28,  0,   0,   0,   0,   0,   0x80, 0x80, 0x80, 0};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 32), start);
    EXPECT_EQ(Bytes(file.begin() + 80, file.begin() + 84), (Bytes{0xFF, 0xFF, 0xFF, 0}));
    EXPECT_EQ(Bytes(file.begin() + 132, file.end()), (Bytes{0xFF, 0x80, 0x40, 0}));

    PaletteCells loaded{};
    EXPECT_TRUE(LoadPaletteFile(sink, dir.File("無題.pal"), loaded));
    EXPECT_EQ(loaded, kInitial);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(PaletteFile, OnlyAPaletteOf28ColoursReplacesTheCells) {
    auto changed = [](std::size_t at, std::uint8_t value, std::size_t size = 136) {
        const auto f = FormatPaletteFile(kInitial);
        Bytes b(f.begin(), f.end());
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
        {"file ends inside the last entry", changed(22, 28, 135), kNotPaletteText},
        {"more entries are ignored", changed(22, 30, 144), nullptr},
        {"flags byte cleared", changed(24 + 4 * 27 + 3, 0x02), nullptr},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        if (c.file) test::WriteBytes(dir.File("p.pal"), *c.file);
        PaletteCells cells{};
        RecordingSink sink;
        EXPECT_EQ(LoadPaletteFile(sink, dir.File("p.pal"), cells), c.message == nullptr) << c.name;
        EXPECT_EQ(cells, c.message ? PaletteCells{} : kInitial) << c.name;
        ASSERT_EQ(sink.messages.size(), c.message ? 1u : 0u) << c.name;
        if (!c.message) continue;
        EXPECT_EQ(sink.messages[0].text, c.message) << c.name;
        EXPECT_EQ(sink.messages[0].caption, kFileErrorCaption) << c.name;
    }
    RecordingSink sink;
    EXPECT_FALSE(SavePaletteFile(sink, "/nonexistent-folder/p.pal", kInitial));
    EXPECT_EQ(sink.messages.at(0).text, kFileWriteFailedText);
}

}  // namespace
}  // namespace daub
