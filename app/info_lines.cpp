#include "app/info_lines.h"

#include <cstdio>

namespace daub {
namespace {

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

InfoLine ColourLine(const InfoValues& v) {
    const int r = RedOf(v.colour), g = GreenOf(v.colour), b = BlueOf(v.colour);
    InfoLine line;
    line.y = 40;
    line.text = v.colour == v.transparent ? Format("透明:(%d,%d,%d) 　　    ", r, g, b)
                                          : Format("色　:(%d,%d,%d)         ", r, g, b);
    line.background = v.colour;
    // Blue is left out on purpose: only light red or green counts as a light background.
    line.textColour = (g >= 150 || r >= 150) ? 0x000000 : 0xFFFFFF;
    return line;
}

InfoLine MaskLine(const InfoValues& v) {
    InfoLine line;
    line.y = v.maskLineY;
    if (v.maskOn == 1) {
        line.text = "マスク:ＯＮ        ";
        line.background = v.maskColour;
        line.textColour = ~v.maskColour & 0xFFFFFF;
    } else {
        line.text = "マスク:ＯＦＦ      ";
        line.background = 0xFFFFFF;
        line.textColour = 0x000000;
    }
    return line;
}

}  // namespace

std::array<InfoLine, 4> InfoLines(const InfoValues& v) {
    InfoLine position{0, Format("座標:(%d,%d)         ", v.x, v.y), 0x000000, 0xFFFFFF};
    InfoLine second{20, "", 0x000000, 0xFFFFFF};
    second.text = v.mode == 0 ? Format("倍率:%f     ", static_cast<double>(v.zoom))
                              : Format("幅　:(%d,%d)      ", v.w, v.h);
    return {position, second, ColourLine(v), MaskLine(v)};
}

}  // namespace daub
