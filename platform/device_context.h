#pragma once

#include <cstdint>
#include <string>

namespace daub {

// A rectangle in client pixels: left and top included, right and bottom excluded.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// A 24-bit picture in memory, rows bottom-up, blue, green, red per pixel, rows stride bytes.
struct PixelImage {
    const std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
};

// A font as CreateFont is told of it; zero fields take the system's defaults (normal weight,
// upright, default output precision and pitch). Height 0 is the context's own font.
struct TextFont {
    int height = 0;
    std::string face;
    int charSet = 0;
    int clipPrecision = 0;
    int quality = 0;

    bool operator==(const TextFont&) const = default;
};

// The few drawing calls the windows make themselves; colours are 0x00BBGGRR. Pictures are
// computed by the program and only copied here.
class DeviceContext {
  public:
    virtual ~DeviceContext() = default;

    // The font of the texts drawn from now on; the context's own comes back when it is gone.
    virtual void UseFont(const TextFont& font) = 0;
    // Text at (x, y) in the chosen font, on an opaque background of the given colour.
    virtual void DrawString(int x, int y, const std::string& text, std::uint32_t textColour,
                            std::uint32_t backgroundColour) = 0;
    virtual void FillRect(const PixelRect& rect, std::uint32_t colour) = 0;
    virtual void DrawLine(int x0, int y0, int x1, int y1, std::uint32_t colour) = 0;
    // Copies the picture's top-left width x height pixels to (x, y) of the window.
    virtual void DrawPixels(int x, int y, const PixelImage& picture, int width, int height) = 0;
    // Stretches the source rectangle of the picture onto the destination rectangle.
    virtual void StretchPixels(const PixelRect& destination, const PixelImage& picture,
                               const PixelRect& source) = 0;
};

}  // namespace daub
