// The clipboard: the picture is offered as a 24-bit DIB, which carries every pixel whatever
// the display's colour depth, and as a device-dependent bitmap for programs that only take
// that. Paste reads whichever of the picture formats the clipboard's owner put there first.
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <optional>
#include <span>
#include <vector>

#include "document/slot_format.h"
#include "files/bmp_decoder.h"
#include "files/packed_dib_headers.h"
#include "platform/win32/packed_dib.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_platform.h"

namespace daub {

namespace {

using Picture = Platform::ClipboardPicture;

bool IsPictureFormat(UINT format) {
    return format == CF_BITMAP || format == CF_DIB || format == CF_DIBV5;
}

Picture TooLarge() {
    Picture picture;
    picture.tooLarge = true;
    return picture;
}

// A picture of the size with zeroed rows; too large when no slot could hold it or the
// memory cannot be had.
Picture Sized(int width, int height) {
    if (!IsValidSlotSize(width, height)) return TooLarge();
    Picture picture;
    picture.width = width;
    picture.height = height;
    try {
        picture.bits.assign(static_cast<std::size_t>(RowStride(width)) * height, 0);
    } catch (const std::bad_alloc&) {
        return TooLarge();
    }
    return picture;
}

// A device-dependent bitmap, as CF_BITMAP holds it, made for the screen.
HBITMAP ScreenBitmap(const PackedDib& dib) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &dib.Info()->bmiHeader, CBM_INIT, dib.Bits(),
                                    dib.Info(), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// The picture as a packed DIB in memory the clipboard can own: the 40-byte header, rows.
HGLOBAL DibMemory(const PackedDib& dib) {
    BITMAPINFOHEADER header = dib.Info()->bmiHeader;
    const std::uint64_t rows = static_cast<std::uint64_t>(DibStride(header.biWidth)) *
                               static_cast<std::uint64_t>(header.biHeight);
    if (rows > std::numeric_limits<DWORD>::max() - sizeof header) return nullptr;
    header.biSizeImage = static_cast<DWORD>(rows);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof header + rows);
    auto* bytes = memory ? static_cast<std::uint8_t*>(GlobalLock(memory)) : nullptr;
    if (!bytes) {
        if (memory) GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + sizeof header, dib.Bits(), rows);
    GlobalUnlock(memory);
    return memory;
}

// Another program's bitmap may claim any size: one no slot could hold is refused before
// anything is allocated for it.
std::optional<Picture> PictureOfBitmap(HBITMAP bitmap) {
    BITMAP header = {};
    if (!bitmap || GetObjectW(bitmap, sizeof header, &header) != sizeof header) return {};
    const int width = header.bmWidth;
    const int height = header.bmHeight < 0 ? -header.bmHeight : header.bmHeight;
    if (width <= 0 || height <= 0) return {};
    Picture picture = Sized(width, height);
    if (picture.tooLarge) return picture;
    BITMAPINFO info = Dib24Info(width, height);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), picture.bits.data(),
                               &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height) return {};
    return picture;
}

// A packed DIB of any kind the BMP reader takes, checked against the memory's own size and
// never against what its header claims.
std::optional<Picture> PictureOfDib(HGLOBAL memory) {
    const auto* bytes = memory ? static_cast<const std::uint8_t*>(GlobalLock(memory)) : nullptr;
    if (!bytes) return {};
    const std::span<const std::uint8_t> dib(bytes, GlobalSize(memory));
    const BmpParseResult parsed = ParsePackedDib(dib);
    std::optional<Picture> picture;
    if (parsed.refusal == BmpRefusal::TooLarge) {
        picture = TooLarge();
    } else if (parsed.refusal == BmpRefusal::None) {
        const BmpLayout& layout = parsed.layout;
        picture = Sized(layout.width, layout.height);
        if (!picture->tooLarge)
            DecodeBmpPixels(layout, dib.subspan(layout.pixelOffset, layout.pixelBytes),
                            picture->bits.data(), RowStride(layout.width));
    }
    GlobalUnlock(memory);
    return picture;
}

std::optional<Picture> ReadPicture(UINT format) {
    HANDLE data = GetClipboardData(format);
    if (format == CF_BITMAP) return PictureOfBitmap(static_cast<HBITMAP>(data));
    return PictureOfDib(static_cast<HGLOBAL>(data));
}

// The picture formats in the order the clipboard lists them: the ones its owner put there
// first, then those Windows makes from them on demand.
std::vector<UINT> PictureFormats() {
    std::vector<UINT> formats;
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format))
        if (IsPictureFormat(format)) formats.push_back(format);
    return formats;
}

}  // namespace

bool Win32Platform::ClipboardHasBitmap() {
    return IsClipboardFormatAvailable(CF_BITMAP) || IsClipboardFormatAvailable(CF_DIB) ||
           IsClipboardFormatAvailable(CF_DIBV5);
}

// Once SetClipboardData took a handle it is the clipboard's; until then it is ours to free.
// The DIB goes first, so that a paste, here or elsewhere, finds the exact pixels first.
bool Win32Platform::PutClipboardBitmap(WindowHandle owner, const PixelImage& picture) {
    const PackedDib dib(picture);
    if (!dib.Valid()) return false;
    HGLOBAL memory = DibMemory(dib);
    HBITMAP bitmap = ScreenBitmap(dib);
    bool placed = false;
    if ((memory || bitmap) && OpenClipboard(ToHwnd(owner))) {
        EmptyClipboard();
        if (memory && SetClipboardData(CF_DIB, memory)) {
            memory = nullptr;
            placed = true;
        }
        if (bitmap && SetClipboardData(CF_BITMAP, bitmap)) {
            bitmap = nullptr;
            placed = true;
        }
        CloseClipboard();
    }
    if (memory) GlobalFree(memory);
    if (bitmap) DeleteObject(bitmap);
    return placed;
}

// The clipboard keeps its data; only a copy of the pixels is taken. A format that cannot be
// read gives way to the next; one too large stands for all, as the others are the same
// picture.
std::optional<Platform::ClipboardPicture> Win32Platform::TakeClipboardBitmap(WindowHandle owner) {
    if (!OpenClipboard(ToHwnd(owner))) return {};
    std::optional<Picture> picture;
    for (UINT format : PictureFormats()) {
        picture = ReadPicture(format);
        if (picture) break;
    }
    CloseClipboard();
    return picture;
}

}  // namespace daub
