#include "app/recent_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace daub {
namespace {

using List = std::vector<std::string>;

struct Call {
    RecordKind kind;
    std::string path;
};

TEST(RecentFiles, RecordKeepsTheNewestFourOfEachKind) {
    const RecordKind bmp = RecordKind::Bitmap;
    const RecordKind dbq = RecordKind::LayerFile;
    const struct {
        const char* name;
        List bitmaps;
        std::vector<Call> calls;
        List expectBitmaps;
        List expectLayerFiles;
        RecentRebuild lastRebuild;
    } cases[] = {
        {"five bitmaps leave the last four, newest first",
         {},
         {{bmp, "1.bmp"}, {bmp, "2.bmp"}, {bmp, "3.bmp"}, {bmp, "4.bmp"}, {bmp, "5.bmp"}},
         {"5.bmp", "4.bmp", "3.bmp", "2.bmp"},
         {},
         {true, false}},
        {"the third entry moves to the front",
         {"a.bmp", "b.bmp", "c.bmp", "d.bmp"},
         {{bmp, "c.bmp"}},
         {"c.bmp", "a.bmp", "b.bmp", "d.bmp"},
         {},
         {true, false}},
        {"a dot in a folder name",
         {},
         {{bmp, "C:\\Users\\j.doe\\cat.bmp"}},
         {"C:\\Users\\j.doe\\cat.bmp"},
         {},
         {true, false}},
        {"upper-case extension: not recorded, still rebuilt",
         {"a.bmp"},
         {{bmp, "C:\\B.BMP"}},
         {"a.bmp"},
         {},
         {true, false}},
        {"no extension in the file name: nothing rebuilt",
         {},
         {{bmp, "C:\\pics.d\\cat"}},
         {},
         {},
         {false, false}},
        {"a layer file goes to its own list",
         {"a.bmp"},
         {{dbq, "D:\\作品\\猫.dbq"}},
         {"a.bmp"},
         {"D:\\作品\\猫.dbq"},
         {false, true}},
        {"a bitmap recorded as a layer file is not",
         {},
         {{dbq, "C:\\a.bmp"}},
         {},
         {},
         {false, true}},
        {"rebuild only", {"a.bmp"}, {{RecordKind::RebuildOnly, ""}}, {"a.bmp"}, {}, {true, true}},
    };
    for (const auto& c : cases) {
        List bitmaps = c.bitmaps;
        List layerFiles;
        RecentRebuild rebuild;
        for (const Call& call : c.calls)
            rebuild = RecordRecentFile(bitmaps, layerFiles, call.kind, call.path);
        EXPECT_EQ(bitmaps, c.expectBitmaps) << c.name;
        EXPECT_EQ(layerFiles, c.expectLayerFiles) << c.name;
        EXPECT_EQ(rebuild, c.lastRebuild) << c.name;
    }
}

}  // namespace
}  // namespace daub
