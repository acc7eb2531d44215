#include "files/layer_definition_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/file_path.h"
#include "tests/files/bmp_test_support.h"

namespace daub {
namespace {

using namespace std::string_literals;
using Paths = std::vector<std::string>;
const std::string kBom = "\xEF\xBB\xBF";

TEST(LayerDefinitionFile, WritesTheCountThenOnePathPerLine) {
    const struct {
        const char* name;
        Paths paths;
        std::optional<std::string> bytes;
    } cases[] = {
        {"ASCII",
         {"C:\\work\\pic[0].bmp", "C:\\work\\pic[1].bmp"},
         "2\r\nC:\\work\\pic[0].bmp\r\nC:\\work\\pic[1].bmp\r\n"},
        {"Japanese in code page 932",
         {"D:\\作品\\猫[0].bmp"},
         "1\r\nD:\\\x8D\xEC\x95\x69\\\x94\x4C[0].bmp\r\n"},
        {"code page 932 that would read as UTF-8",
         {"C:\\ﾂｱ[0].bmp"},
         kBom + "1\r\nC:\\ﾂｱ[0].bmp\r\n"},
        {"a character outside code page 932", {"C:\\한[0].bmp"}, "1\r\nC:\\한[0].bmp\r\n"},
        {"a line break in a path", {"C:\\a\r\nb[0].bmp"}, std::nullopt},
        {"a NUL in a path", {"C:\\a\0b[0].bmp"s}, std::nullopt},
        {"an empty path", {""}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatLayerDefinition(c.paths), c.bytes) << c.name;
}

TEST(LayerDefinitionFile, EveryPathWrittenReadsBackUnchanged) {
    const Paths sets[] = {
        {"C:\\work\\pic[0].bmp", "C:\\work\\pic[1].bmp", "C:\\work\\pic[2].bmp"},
        {"C:\\絵\\表紙[0].bmp", "C:\\ソフト\\能[1].bmp", "ｷｬﾝｾﾙ[2].bmp"},
        {"C:\\ﾂｱ[0].bmp"},
        {kBom + "a[0].bmp", "b[1].bmp"},
        {"E:\\\xF0\xA0\xAE\xB7野家 の 絵[0].bmp", "C:\\¥[1].bmp"},
    };
    test::TempDir dir;
    for (const Paths& paths : sets) {
        const std::string file = dir.File("レイヤー.dbq");
        ASSERT_TRUE(WriteLayerDefinitionFile(file, paths)) << paths[0];
        const std::optional<LayerDefinition> read = ReadLayerDefinitionFile(file);
        ASSERT_TRUE(read.has_value()) << paths[0];
        EXPECT_EQ(read->count, static_cast<int>(paths.size())) << paths[0];
        EXPECT_EQ(read->paths, paths) << paths[0];
    }
}

TEST(LayerDefinitionFile, ReadsTheFilesOtherInstallationsWrote) {
    const struct {
        const char* name;
        std::string bytes;
        int count;  // 0: refused
        Paths paths;
    } cases[] = {
        {"code page 932",
         "2\r\nD:\\\x94\x4C[0].bmp\r\nD:\\\x94\x4C[1].bmp\r\n",
         2,
         {"D:\\猫[0].bmp", "D:\\猫[1].bmp"}},
        {"UTF-8 with a byte order mark", kBom + "1\r\nC:\\ﾂｱ.bmp\r\n", 1, {"C:\\ﾂｱ.bmp"}},
        {"LF only, last line without its line end", "2\na.bmp\nb.bmp", 2, {"a.bmp", "b.bmp"}},
        {"lines beyond the count are kept for skipped ones",
         " 1 layer\r\nx.bmp\r\ny.bmp\r\n",
         1,
         {"x.bmp", "y.bmp"}},
        {"no number on the first line", "layers\r\na.bmp\r\n", 0, {}},
        {"a count of 0", "0\r\na.bmp\r\n", 0, {}},
        {"empty file", "", 0, {}},
    };
    for (const auto& c : cases) {
        const std::optional<LayerDefinition> read = ParseLayerDefinition(c.bytes);
        EXPECT_EQ(read.has_value(), c.count > 0) << c.name;
        if (!read) continue;
        EXPECT_EQ(read->count, c.count) << c.name;
        EXPECT_EQ(read->paths, c.paths) << c.name;
    }
    test::TempDir dir;
    EXPECT_FALSE(ReadLayerDefinitionFile(dir.File("ない.dbq")).has_value());
    EXPECT_FALSE(ReadLayerDefinitionFile(Utf8FromPath(dir.Path())).has_value());
}

}  // namespace
}  // namespace daub
