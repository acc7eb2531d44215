#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/colour.h"

namespace daub {

// What the information window shows, as the main window last wrote it.
struct InfoValues {
    int x = 0, y = 0;  // line 1: the mouse on the canvas
    int w = 0, h = 0;  // line 2 while an operation is pending
    int mode = 0;      // 0: line 2 shows the zoom
    float zoom = 1.0f;
    COLORREF colour = 0;
    COLORREF transparent = kTransparentColour;
    COLORREF maskColour = 0;
    int maskOn = 0;
    int maskLineY = 60;
};

// One line of text and the colours it is drawn in, at x 0.
struct InfoLine {
    int y = 0;
    std::string text;
    COLORREF textColour = 0;
    COLORREF background = 0xFFFFFF;
};

// The four lines, with the blanks that overwrite what a longer earlier text left.
std::array<InfoLine, 4> InfoLines(const InfoValues& v);

}  // namespace daub
