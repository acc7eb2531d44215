#include "platform/win32/win32_api.h"

#include "platform/win32/packed_dib.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_platform.h"

namespace daub {

// A DIB section keeps the file's own colours; GetDIBits then gives them as 24 bits whatever
// depth the resource was drawn in.
std::optional<LoadedBitmap> Win32Platform::LoadBitmapResource(const std::string& name) {
    const std::wstring wideName = Widen(name);
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(instance_, wideName.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return std::nullopt;
    std::optional<LoadedBitmap> loaded;
    BITMAP header = {};
    if (GetObjectW(bitmap, sizeof header, &header) == sizeof header && header.bmWidth > 0 &&
        header.bmHeight != 0) {
        const int width = header.bmWidth;
        const int height = header.bmHeight < 0 ? -header.bmHeight : header.bmHeight;
        LoadedBitmap pixels{width, height, {}};
        pixels.bits.resize(static_cast<std::size_t>(DibStride(width)) * height);
        BITMAPINFO info = Dib24Info(width, height);
        HDC screen = GetDC(nullptr);
        const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.bits.data(),
                                   &info, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        if (rows == height) loaded = std::move(pixels);
    }
    DeleteObject(bitmap);
    return loaded;
}

}  // namespace daub
