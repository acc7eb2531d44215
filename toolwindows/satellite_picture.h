#pragma once

#include "document/colour.h"
#include "document/view_image.h"
#include "platform/device_context.h"

namespace daub {

// Drawing for the satellites' pictures: everything is clipped to the image, so a picture
// may be computed for a client area of any size.

// The face colour of the toolbox and colour box bitmaps, also shown around them.
inline constexpr COLORREF kSatelliteFace = 0xC0C0C0;

// Sizes the image to the client area and paints it with the face colour.
void StartSatellitePicture(ViewImage& image, int clientWidth, int clientHeight);

// The rectangle's pixels, right and bottom excluded, as FillRect paints them.
void FillPixels(ViewImage& image, const PixelRect& rect, COLORREF colour);

// Copies the picture's top-left width x height pixels (as far as it has them) to (x, y).
void CopyPixels(ViewImage& image, int x, int y, const PixelImage& picture, int width, int height);

// The closed outline through the four corners, drawn with a solid pen four pixels wide
// centred on it; the round joins leave each outer corner pixel out.
void DrawWideFrame(ViewImage& image, int left, int top, int right, int bottom, COLORREF colour);

// Hands the finished picture to the device context at the client origin.
void ShowPicture(DeviceContext& context, const ViewImage& image);

}  // namespace daub
