#include "files/layer_definition_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/files/bmp_test_support.h"

namespace daub {
namespace {

using Paths = std::vector<std::string>;
const std::string kBom = "\xEF\xBB\xBF";

// Code page 932 where every character fits and it cannot be taken for UTF-8; otherwise
// UTF-8, after a byte order mark where it would not read back without one.
TEST(LayerDefinitionFile, EveryPathWrittenReadsBackUnchanged) {
    const struct {
        Paths paths;
        std::string bytes;  // empty: refused
    } cases[] = {
        {{"C:\\w\\p[0].bmp", "D:\\作品\\ﾂｱ[1].bmp"},
         "2\r\nC:\\w\\p[0].bmp\r\nD:\\\x8D\xEC\x95\x69\\\xC2\xB1[1].bmp\r\n"},
        {{"C:\\ﾂｱ[0].bmp"}, kBom + "1\r\nC:\\ﾂｱ[0].bmp\r\n"},
        {{kBom + "a[0].bmp"}, "1\r\n" + kBom + "a[0].bmp\r\n"},
        {{std::string("C:\\a\0b[0].bmp", 13)}, ""},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        const std::string file = dir.File("レイヤー.dbq");
        ASSERT_EQ(WriteLayerDefinitionFile(file, c.paths), !c.bytes.empty()) << c.paths[0];
        if (c.bytes.empty()) continue;
        const std::vector<std::uint8_t> written = test::ReadBytes(file);
        EXPECT_EQ(std::string(written.begin(), written.end()), c.bytes) << c.paths[0];
        EXPECT_EQ(ReadLayerDefinitionFile(file)->paths, c.paths) << c.paths[0];
    }
}

}  // namespace
}  // namespace daub
