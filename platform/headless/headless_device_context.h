#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/device_context.h"

namespace daub {

struct DrawnText {
    int x = 0;
    int y = 0;
    std::string text;
    std::uint32_t textColour = 0;
    std::uint32_t backgroundColour = 0;
    TextFont font;  // as chosen with UseFont; the default one when never chosen

    bool operator==(const DrawnText&) const = default;
};

// A window's client area in memory: 24-bit pixels, and the texts drawn on it as strings at
// positions, since no font is rasterised.
class HeadlessSurface {
  public:
    // What Pixel gives outside the area: no 24-bit colour has a high byte.
    static constexpr std::uint32_t kOutside = 0xFF000000;

    HeadlessSurface(int width, int height, std::uint32_t background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint32_t Pixel(int x, int y) const;            // 0x00BBGGRR
    void SetPixel(int x, int y, std::uint32_t colour);  // clipped to the area

    // Paints the whole area; the texts on it are gone with it.
    void Erase(std::uint32_t colour);

    const std::vector<DrawnText>& Texts() const { return texts_; }
    // The text drawn last with its origin at (x, y), or null.
    const DrawnText* TextAt(int x, int y) const;
    void AddText(DrawnText text) { texts_.push_back(std::move(text)); }

  private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;  // top row first
    std::vector<DrawnText> texts_;
};

// Draws into a surface the way GDI would with a one-pixel pen and the default stretch mode.
class HeadlessDeviceContext : public DeviceContext {
  public:
    explicit HeadlessDeviceContext(std::shared_ptr<HeadlessSurface> surface)
        : surface_(std::move(surface)) {}

    void UseFont(const TextFont& font) override { font_ = font; }
    void DrawString(int x, int y, const std::string& text, std::uint32_t textColour,
                    std::uint32_t backgroundColour) override;
    void FillRect(const PixelRect& rect, std::uint32_t colour) override;
    // The end point is left out, as LineTo leaves it.
    void DrawLine(int x0, int y0, int x1, int y1, std::uint32_t colour) override;
    void DrawPixels(int x, int y, const PixelImage& picture, int width, int height) override;
    // Each destination pixel takes the source pixel its position maps to, rounding down;
    // empty or mirrored rectangles draw nothing.
    void StretchPixels(const PixelRect& destination, const PixelImage& picture,
                       const PixelRect& source) override;

  private:
    std::shared_ptr<HeadlessSurface> surface_;
    TextFont font_;
};

}  // namespace daub
