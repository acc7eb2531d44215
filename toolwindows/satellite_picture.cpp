#include "toolwindows/satellite_picture.h"

#include <algorithm>
#include <cstddef>

namespace daub {

void StartSatellitePicture(ViewImage& image, int clientWidth, int clientHeight) {
    image.Resize(clientWidth, clientHeight);
    image.Fill(kSatelliteFace);
}

void FillPixels(ViewImage& image, const PixelRect& rect, COLORREF colour) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, image.width);
    const int bottom = std::min(rect.bottom, image.height);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            image.Set(x, y, colour);
}

void CopyPixels(ViewImage& image, int x, int y, const PixelImage& picture, int width, int height) {
    if (!picture.bits) return;
    width = std::min(width, picture.width);
    height = std::min(height, picture.height);
    for (int row = 0; row < height; ++row) {
        if (y + row < 0 || y + row >= image.height) continue;
        // Bottom-up: the picture's top row is its last one in memory.
        const std::uint8_t* source =
            picture.bits + static_cast<std::size_t>(picture.stride) * (picture.height - 1 - row);
        for (int column = 0; column < width; ++column) {
            if (!image.Contains(x + column, y + row)) continue;
            image.Set(x + column, y + row,
                      LoadPixel(source + 3 * static_cast<std::size_t>(column)));
        }
    }
}

void DrawWideFrame(ViewImage& image, int left, int top, int right, int bottom, COLORREF colour) {
    constexpr int kHalfPen = 2;
    const PixelRect outer{left - kHalfPen, top - kHalfPen, right + kHalfPen, bottom + kHalfPen};
    const PixelRect inner{left + kHalfPen, top + kHalfPen, right - kHalfPen, bottom - kHalfPen};
    for (int y = std::max(outer.top, 0); y < std::min(outer.bottom, image.height); ++y) {
        for (int x = std::max(outer.left, 0); x < std::min(outer.right, image.width); ++x) {
            const bool inside =
                x >= inner.left && x < inner.right && y >= inner.top && y < inner.bottom;
            const bool cornerX = x == outer.left || x == outer.right - 1;
            const bool cornerY = y == outer.top || y == outer.bottom - 1;
            if (!inside && !(cornerX && cornerY)) image.Set(x, y, colour);
        }
    }
}

void ShowPicture(DeviceContext& context, const ViewImage& image) {
    if (image.width <= 0 || image.height <= 0) return;
    context.DrawPixels(0, 0, {image.pixels.data(), image.width, image.height, image.stride},
                       image.width, image.height);
}

}  // namespace daub
