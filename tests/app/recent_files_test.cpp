#include "app/recent_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace daub {
namespace {

using List = std::vector<std::string>;

TEST(RecentFiles, RecordKeepsTheNewestFourOfEachKind) {
    const RecordKind bmp = RecordKind::Bitmap, dbq = RecordKind::LayerFile;
    const struct {
        RecordKind kind;
        List before, paths, after;  // of the kind's own list
        RecentRebuild rebuild;
    } cases[] = {
        {bmp,
         {},
         {"1.bmp", "2.bmp", "3.bmp", "4.bmp", "5.bmp"},
         {"5.bmp", "4.bmp", "3.bmp", "2.bmp"},
         {true, false}},
        {bmp,
         {"a.bmp", "b.bmp", "c.bmp", "d.bmp"},
         {"c.bmp"},
         {"c.bmp", "a.bmp", "b.bmp", "d.bmp"},
         {true, false}},
        {bmp, {}, {"C:\\Users\\j.doe\\cat.bmp"}, {"C:\\Users\\j.doe\\cat.bmp"}, {true, false}},
        {bmp, {"a.bmp"}, {"C:\\B.BMP"}, {"a.bmp"}, {true, false}},  // not recorded, rebuilt
        {bmp, {}, {"C:\\pics.d\\cat"}, {}, {false, false}},         // no extension: nothing
        {dbq, {}, {"D:\\作品\\猫.dbq"}, {"D:\\作品\\猫.dbq"}, {false, true}},
        {dbq, {}, {"C:\\a.bmp"}, {}, {false, true}},
        {RecordKind::RebuildOnly, {"a.bmp"}, {""}, {"a.bmp"}, {true, true}},
    };
    for (const auto& c : cases) {
        List bitmaps = c.kind == dbq ? List{} : c.before;
        List layerFiles = c.kind == dbq ? c.before : List{};
        RecentRebuild rebuild;
        for (const std::string& path : c.paths)
            rebuild = RecordRecentFile(bitmaps, layerFiles, c.kind, path);
        EXPECT_EQ(c.kind == dbq ? layerFiles : bitmaps, c.after) << c.paths.back();
        EXPECT_TRUE((c.kind == dbq ? bitmaps : layerFiles).empty()) << c.paths.back();
        EXPECT_EQ(rebuild, c.rebuild) << c.paths.back();
    }
}

}  // namespace
}  // namespace daub
