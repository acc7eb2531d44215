#pragma once

#include "platform/win32/win32_api.h"

#include "platform/device_context.h"

namespace daub {

// Drawing on a Win32 device context that someone else obtained and will give back. The pens
// and brushes it makes are deleted before each call returns; a chosen font lives until the
// context is given back.
class Win32DeviceContext : public DeviceContext {
  public:
    explicit Win32DeviceContext(HDC dc) : dc_(dc) {}
    Win32DeviceContext(const Win32DeviceContext&) = delete;
    Win32DeviceContext& operator=(const Win32DeviceContext&) = delete;
    ~Win32DeviceContext() override { DropFont(); }

    void UseFont(const TextFont& font) override;
    void DrawString(int x, int y, const std::string& text, std::uint32_t textColour,
                    std::uint32_t backgroundColour) override;
    void FillRect(const PixelRect& rect, std::uint32_t colour) override;
    void DrawLine(int x0, int y0, int x1, int y1, std::uint32_t colour) override;
    void DrawPixels(int x, int y, const PixelImage& picture, int width, int height) override;
    void StretchPixels(const PixelRect& destination, const PixelImage& picture,
                       const PixelRect& source) override;

  protected:
    HDC Dc() const { return dc_; }
    // Puts the context's own font back and deletes the chosen one; the owner of the context
    // calls it before giving the context back.
    void DropFont();

  private:
    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ previousFont_ = nullptr;
};

}  // namespace daub
