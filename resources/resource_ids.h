// The numeric resource ids daubix.rc and the C++ share: dialog templates, their controls and
// the cursors. Read by the resource compilers as well as by C++, so it holds nothing but
// plain #defines; anything only C++ may read goes inside #ifndef RC_INVOKED.
#ifndef DAUBIX_RESOURCES_RESOURCE_IDS_H
#define DAUBIX_RESOURCES_RESOURCE_IDS_H

// Dialog templates.
#define IDD_TOOLBOX 116
#define IDD_PALETTE 122
#define IDD_RESIZE 134
#define IDD_STRETCH_ROTATE 136
#define IDD_BRUSH_SETTINGS 137
#define IDD_SPRAY_SETTINGS 140
#define IDD_CURVE_SETTINGS 142

// "画像のサイズの変更" (IDD_RESIZE).
#define IDC_RESIZE_WIDTH 1001
#define IDC_RESIZE_HEIGHT 1002
#define IDC_RESIZE_CENTRE 1004

// "伸縮と回転" (IDD_STRETCH_ROTATE).
#define IDC_STRETCH_WIDTH 1005
#define IDC_STRETCH_HEIGHT 1006
#define IDC_ROTATE_ANGLE 1007
#define IDC_STRETCH_INTERPOLATE 1008

// "ブラシの設定" (IDD_BRUSH_SETTINGS).
#define IDC_BRUSH_SIZE_SLIDER 1019
#define IDC_BRUSH_DENSITY_SLIDER 1020
#define IDC_BRUSH_DISTRIBUTION_SLIDER 1021
#define IDC_BRUSH_SIZE_EDIT 1022
#define IDC_BRUSH_DENSITY_EDIT 1023
#define IDC_BRUSH_DISTRIBUTION_EDIT 1024
#define IDC_BRUSH_PRESETS 1027

// "スプレーの設定" (IDD_SPRAY_SETTINGS).
#define IDC_SPRAY_KIND 1033
#define IDC_SPRAY_SIZE 1034
#define IDC_SPRAY_STRENGTH 1035

// "曲線設定" (IDD_CURVE_SETTINGS): the line range (upper >= lower), the double-line error in
// x and y, and whether the ends stay fixed.
#define IDC_CURVE_ERROR_X 1036
#define IDC_CURVE_ERROR_Y 1037
#define IDC_CURVE_FIX_END 1038
#define IDC_CURVE_RANGE_UPPER 1039
#define IDC_CURVE_RANGE_LOWER 1040
#define IDC_CURVE_FIX_START 1041

// Cursors.
#define IDCUR_PEN 121
#define IDCUR_MAGNIFIER 124
#define IDCUR_PIPETTE 125
#define IDCUR_CROSS 127
#define IDCUR_ARROW 130
#define IDCUR_DRAG 135
#define IDCUR_BUCKET 138

#endif
