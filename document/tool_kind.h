#pragma once

namespace daub {

// The toolbox cell's id: 1000 + 200 x row + 100 x column.
enum class ToolKind : int {
    Mask = 1000,
    RangeSelect = 1100,
    Eraser = 1200,
    Fill = 1300,
    ColourPicker = 1400,
    Zoom = 1500,
    Pen = 1600,
    Brush = 1700,
    Spray = 1800,
    NoTool1900 = 1900,
    Line = 2000,
    Curve = 2100,
    Rectangle = 2200,
    Polyline = 2300,
    Ellipse = 2400,
    NoTool2500 = 2500,
};

// The event a tool routine receives.
enum class ToolPhase : int {
    LeftDrag = 0,
    RightDrag = 1,
    LeftPress = 10,
    LeftRelease = 11,
    RightPress = 20,
    RightRelease = 21,
};

}  // namespace daub
