#pragma once

// The satellites' notifications and closed marker, which the main window handles.
#include "toolwindows/satellite_messages.h"

namespace daub {

// The ids of the main window's commands (menu "mainmenu" and accelerators "DaubAccel").
namespace cmd {
inline constexpr int kOpenBitmap = 40001;
inline constexpr int kSaveBitmapAs = 40002;
inline constexpr int kShowToolbox = 40014;
inline constexpr int kShowColourBox = 40015;
inline constexpr int kUndo = 40016;
inline constexpr int kRedo = 40017;
inline constexpr int kCopy = 40018;
inline constexpr int kPaste = 40019;
inline constexpr int kSelectAll = 40020;
inline constexpr int kDeleteRange = 40021;
inline constexpr int kResizeCanvas = 40023;
inline constexpr int kTrim = 40024;
inline constexpr int kOpenLayers = 40025;
inline constexpr int kSaveLayers = 40026;
inline constexpr int kShowLayerImage = 40027;
inline constexpr int kSave = 40028;
inline constexpr int kFlipLeftRight = 40029;
inline constexpr int kStretchRotate = 40032;
inline constexpr int kFlipTopBottom = 40033;
inline constexpr int kBrushSettings = 40034;
inline constexpr int kLoadPalette = 40035;
inline constexpr int kSavePalette = 40036;
inline constexpr int kRecentBitmap1 = 40037;
inline constexpr int kRecentLayers1 = 40039;
inline constexpr int kClose = 40040;
inline constexpr int kGuideLine = 40041;
inline constexpr int kNew = 40042;
inline constexpr int kAbout = 40043;
inline constexpr int kSpraySettings = 40044;
inline constexpr int kBlur = 40045;
inline constexpr int kShowCurveSettings = 40046;
// The other entries of the two recent-file submenus.
inline constexpr int kRecentBitmap2 = 1044;
inline constexpr int kRecentBitmap3 = 1045;
inline constexpr int kRecentBitmap4 = 1046;
inline constexpr int kRecentLayers2 = 1047;
inline constexpr int kRecentLayers3 = 1048;
inline constexpr int kRecentLayers4 = 1049;
}  // namespace cmd

}  // namespace daub
