#include "app/info_lines.h"

#include <gtest/gtest.h>

namespace daub {
namespace {

TEST(InfoLines, PositionAndZoomOrSize) {
    InfoValues v;
    v.x = 12;
    v.y = -3;
    const struct {
        float zoom;
        const char* want;
    } zooms[] = {{1.0f, "倍率:1.000000     "},
                 {0.1f, "倍率:0.100000     "},
                 {8.0f, "倍率:8.000000     "},
                 {2.0f, "倍率:2.000000     "}};
    for (const auto& z : zooms) {
        v.zoom = z.zoom;
        EXPECT_EQ(InfoLines(v)[1].text, z.want);
    }
    EXPECT_EQ(InfoLines(v)[0].text, "座標:(12,-3)         ");
    EXPECT_EQ(InfoLines(v)[0].y, 0);
    EXPECT_EQ(InfoLines(v)[1].y, 20);

    v.mode = 2;  // a range is selected: its size instead of the zoom
    v.w = 30;
    v.h = 4;
    EXPECT_EQ(InfoLines(v)[1].text, "幅　:(30,4)      ");
}

TEST(InfoLines, ColourLineTextAndContrast) {
    const struct {
        COLORREF colour;
        const char* text;
        COLORREF textColour;
    } cases[] = {
        {MakeColour(255, 0, 0), "色　:(255,0,0)         ", 0x000000},
        {MakeColour(0, 0, 255), "色　:(0,0,255)         ", 0xFFFFFF},  // blue does not count
        {MakeColour(0, 150, 0), "色　:(0,150,0)         ", 0x000000},
        {MakeColour(149, 149, 255), "色　:(149,149,255)         ", 0xFFFFFF},
        {kTransparentColour, "透明:(223,231,240) 　　    ", 0x000000},
    };
    for (const auto& c : cases) {
        InfoValues v;
        v.colour = c.colour;
        const InfoLine line = InfoLines(v)[2];
        EXPECT_EQ(line.y, 40);
        EXPECT_EQ(line.text, c.text);
        EXPECT_EQ(line.background, c.colour) << c.text;
        EXPECT_EQ(line.textColour, c.textColour) << c.text;
    }
}

TEST(InfoLines, MaskLine) {
    InfoValues v;
    InfoLine line = InfoLines(v)[3];
    EXPECT_EQ(line.y, 60);
    EXPECT_EQ(line.text, "マスク:ＯＦＦ      ");
    EXPECT_EQ(line.background, 0xFFFFFFu);
    EXPECT_EQ(line.textColour, 0x000000u);

    v.maskOn = 1;
    v.maskColour = 0xFFFFFF;
    line = InfoLines(v)[3];
    EXPECT_EQ(line.text, "マスク:ＯＮ        ");
    EXPECT_EQ(line.background, 0xFFFFFFu);
    EXPECT_EQ(line.textColour, 0x000000u);  // the complement, kept a valid colour

    v.maskColour = MakeColour(10, 200, 30);
    EXPECT_EQ(InfoLines(v)[3].textColour, MakeColour(245, 55, 225));
}

}  // namespace
}  // namespace daub
