#include "platform/headless/headless_device_context.h"

#include <algorithm>
#include <cstdlib>

namespace daub {
namespace {

constexpr std::uint32_t kColourMask = 0x00FFFFFF;

// A picture whose rows are shorter than its width says is not read at all.
bool InsidePicture(const PixelImage& picture, int x, int y) {
    return picture.bits && picture.stride >= 3 * picture.width && x >= 0 && y >= 0 &&
           x < picture.width && y < picture.height;
}

// Pixel (x, y) of a bottom-up picture, y = 0 being the top row.
std::uint32_t PicturePixel(const PixelImage& picture, int x, int y) {
    const std::uint8_t* p = picture.bits +
                            static_cast<std::ptrdiff_t>(picture.stride) * (picture.height - 1 - y) +
                            3 * static_cast<std::ptrdiff_t>(x);
    return static_cast<std::uint32_t>(p[2]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[0]) << 16);
}

}  // namespace

HeadlessSurface::HeadlessSurface(int width, int height, std::uint32_t background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * height_, background & kColourMask) {}

std::uint32_t HeadlessSurface::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kOutside;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void HeadlessSurface::SetPixel(int x, int y, std::uint32_t colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = colour & kColourMask;
}

void HeadlessSurface::Erase(std::uint32_t colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour & kColourMask);
    texts_.clear();
}

const DrawnText* HeadlessSurface::TextAt(int x, int y) const {
    for (auto it = texts_.rbegin(); it != texts_.rend(); ++it) {
        if (it->x == x && it->y == y) return &*it;
    }
    return nullptr;
}

void HeadlessDeviceContext::DrawString(int x, int y, const std::string& text,
                                       std::uint32_t textColour, std::uint32_t backgroundColour) {
    surface_->AddText(
        {x, y, text, textColour & kColourMask, backgroundColour & kColourMask, font_});
}

void HeadlessDeviceContext::FillRect(const PixelRect& rect, std::uint32_t colour) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, surface_->Width());
    const int bottom = std::min(rect.bottom, surface_->Height());
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            surface_->SetPixel(x, y, colour);
    }
}

void HeadlessDeviceContext::DrawLine(int x0, int y0, int x1, int y1, std::uint32_t colour) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    int x = x0;
    int y = y0;
    while (x != x1 || y != y1) {
        surface_->SetPixel(x, y, colour);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void HeadlessDeviceContext::DrawPixels(int x, int y, const PixelImage& picture, int width,
                                       int height) {
    const int columns = std::min(width, picture.width);
    const int rows = std::min(height, picture.height);
    for (int py = 0; py < rows; ++py) {
        for (int px = 0; px < columns; ++px) {
            if (!InsidePicture(picture, px, py)) continue;
            surface_->SetPixel(x + px, y + py, PicturePixel(picture, px, py));
        }
    }
}

void HeadlessDeviceContext::StretchPixels(const PixelRect& destination, const PixelImage& picture,
                                          const PixelRect& source) {
    const long long destWidth = destination.Width();
    const long long destHeight = destination.Height();
    if (destWidth <= 0 || destHeight <= 0 || source.Width() <= 0 || source.Height() <= 0) return;
    const int left = std::max(destination.left, 0);
    const int top = std::max(destination.top, 0);
    const int right = std::min(destination.right, surface_->Width());
    const int bottom = std::min(destination.bottom, surface_->Height());
    for (int y = top; y < bottom; ++y) {
        const auto sy =
            static_cast<int>(source.top + (y - destination.top) *
                                              static_cast<long long>(source.Height()) / destHeight);
        for (int x = left; x < right; ++x) {
            const auto sx = static_cast<int>(
                source.left +
                (x - destination.left) * static_cast<long long>(source.Width()) / destWidth);
            if (InsidePicture(picture, sx, sy))
                surface_->SetPixel(x, y, PicturePixel(picture, sx, sy));
        }
    }
}

}  // namespace daub
