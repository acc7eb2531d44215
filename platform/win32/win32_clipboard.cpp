#include <cstdint>
#include <limits>

#include "platform/win32/packed_dib.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_platform.h"

namespace daub {

namespace {

// A device-dependent bitmap, as CF_BITMAP holds it, made for the screen.
HBITMAP ScreenBitmap(const PackedDib& dib) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &dib.Info()->bmiHeader, CBM_INIT, dib.Bits(),
                                    dib.Info(), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// Another program's bitmap may claim any size: one whose rows GDI could not even address
// is refused rather than allocated.
std::optional<Platform::ClipboardPicture> PictureOf(HBITMAP bitmap) {
    BITMAP header = {};
    if (!bitmap || GetObjectW(bitmap, sizeof header, &header) != sizeof header) return {};
    const int width = header.bmWidth;
    const int height = header.bmHeight < 0 ? -header.bmHeight : header.bmHeight;
    const std::uint64_t size = static_cast<std::uint64_t>(DibStride(width)) * height;
    if (width <= 0 || height <= 0 || size > std::numeric_limits<std::int32_t>::max()) return {};
    Platform::ClipboardPicture picture{width, height, std::vector<std::uint8_t>(size)};
    BITMAPINFO info = Dib24Info(width, height);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), picture.bits.data(),
                               &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height) return {};
    return picture;
}

}  // namespace

bool Win32Platform::ClipboardHasBitmap() {
    return IsClipboardFormatAvailable(CF_BITMAP) != 0;
}

// Once SetClipboardData took the bitmap it is the clipboard's; until then it is ours to free.
bool Win32Platform::PutClipboardBitmap(WindowHandle owner, const PixelImage& picture) {
    const PackedDib dib(picture);
    if (!dib.Valid()) return false;
    HBITMAP bitmap = ScreenBitmap(dib);
    if (!bitmap) return false;
    bool placed = false;
    if (OpenClipboard(ToHwnd(owner))) {
        EmptyClipboard();
        placed = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
        CloseClipboard();
    }
    if (!placed) DeleteObject(bitmap);
    return placed;
}

// The clipboard keeps its bitmap; only a copy of the pixels is taken.
std::optional<Platform::ClipboardPicture> Win32Platform::TakeClipboardBitmap(WindowHandle owner) {
    if (!OpenClipboard(ToHwnd(owner))) return {};
    std::optional<ClipboardPicture> picture =
        PictureOf(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)));
    CloseClipboard();
    return picture;
}

}  // namespace daub
