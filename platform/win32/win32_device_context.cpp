#include "platform/win32/win32_device_context.h"

#include <algorithm>

#include "platform/win32/packed_dib.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_platform.h"

namespace daub {

namespace {

// The context of a WM_PAINT: EndPaint validates the window when the drawing is done.
class PaintDeviceContext : public Win32DeviceContext {
  public:
    PaintDeviceContext(HWND window, const PAINTSTRUCT& paint)
        : Win32DeviceContext(paint.hdc), window_(window), paint_(paint) {}
    ~PaintDeviceContext() override {
        DropFont();
        if (paint_.hdc) EndPaint(window_, &paint_);
    }

  private:
    HWND window_;
    PAINTSTRUCT paint_;
};

class ClientDeviceContext : public Win32DeviceContext {
  public:
    ClientDeviceContext(HWND window, HDC dc) : Win32DeviceContext(dc), window_(window) {}
    ~ClientDeviceContext() override {
        DropFont();
        if (Dc()) ReleaseDC(window_, Dc());
    }

  private:
    HWND window_;
};

}  // namespace

void Win32DeviceContext::UseFont(const TextFont& font) {
    DropFont();
    if (font.height == 0 && font.face.empty()) return;
    font_ = CreateFontW(font.height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE,
                        static_cast<DWORD>(font.charSet), OUT_DEFAULT_PRECIS,
                        static_cast<DWORD>(font.clipPrecision), static_cast<DWORD>(font.quality),
                        DEFAULT_PITCH | FF_DONTCARE, Widen(font.face).c_str());
    if (font_) previousFont_ = SelectObject(dc_, font_);
}

void Win32DeviceContext::DropFont() {
    if (!font_) return;
    SelectObject(dc_, previousFont_);
    DeleteObject(font_);
    font_ = nullptr;
    previousFont_ = nullptr;
}

void Win32DeviceContext::DrawString(int x, int y, const std::string& text, std::uint32_t textColour,
                                    std::uint32_t backgroundColour) {
    const std::wstring wide = Widen(text);
    SetTextColor(dc_, textColour);
    SetBkColor(dc_, backgroundColour);
    SetBkMode(dc_, OPAQUE);
    TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

void Win32DeviceContext::FillRect(const PixelRect& rect, std::uint32_t colour) {
    const RECT area = {rect.left, rect.top, rect.right, rect.bottom};
    HBRUSH brush = CreateSolidBrush(colour);
    ::FillRect(dc_, &area, brush);
    DeleteObject(brush);
}

// As LineTo draws it: the end point is left out.
void Win32DeviceContext::DrawLine(int x0, int y0, int x1, int y1, std::uint32_t colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ previous = SelectObject(dc_, pen);
    MoveToEx(dc_, x0, y0, nullptr);
    LineTo(dc_, x1, y1);
    SelectObject(dc_, previous);
    DeleteObject(pen);
}

// The picture's top rows are the last ones of a bottom-up DIB, so the part to copy starts
// height rows above the DIB's bottom edge.
void Win32DeviceContext::DrawPixels(int x, int y, const PixelImage& picture, int width,
                                    int height) {
    const PackedDib dib(picture);
    width = std::min(width, picture.width);
    height = std::min(height, picture.height);
    if (!dib.Valid() || width <= 0 || height <= 0) return;
    SetDIBitsToDevice(dc_, x, y, width, height, 0, picture.height - height, 0, picture.height,
                      dib.Bits(), dib.Info(), DIB_RGB_COLORS);
}

// The source rectangle is given from the top; a bottom-up DIB counts its rows from the bottom.
// The context's own stretch mode applies when shrinking.
void Win32DeviceContext::StretchPixels(const PixelRect& destination, const PixelImage& picture,
                                       const PixelRect& source) {
    const PackedDib dib(picture);
    if (!dib.Valid() || source.Width() <= 0 || source.Height() <= 0) return;
    StretchDIBits(dc_, destination.left, destination.top, destination.Width(), destination.Height(),
                  source.left, picture.height - source.bottom, source.Width(), source.Height(),
                  dib.Bits(), dib.Info(), DIB_RGB_COLORS, SRCCOPY);
}

// Callers draw without checking: on a window that is gone the context is null and every
// GDI call on it fails harmlessly.
std::unique_ptr<DeviceContext> Win32Platform::PaintContext(WindowHandle window) {
    PAINTSTRUCT paint = {};
    BeginPaint(ToHwnd(window), &paint);
    return std::make_unique<PaintDeviceContext>(ToHwnd(window), paint);
}

std::unique_ptr<DeviceContext> Win32Platform::ClientContext(WindowHandle window) {
    return std::make_unique<ClientDeviceContext>(ToHwnd(window), GetDC(ToHwnd(window)));
}

}  // namespace daub
