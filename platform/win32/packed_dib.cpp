#include "platform/win32/packed_dib.h"

#include <cstring>

namespace daub {

BITMAPINFO Dib24Info(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom-up rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

PackedDib::PackedDib(const PixelImage& picture)
    : info_(Dib24Info(picture.width, picture.height)), source_(picture.bits) {
    const int stride = DibStride(picture.width);
    valid_ = picture.bits && picture.width > 0 && picture.height > 0 &&
             picture.stride >= 3 * picture.width;
    if (!valid_ || picture.stride == stride) return;
    copy_.resize(static_cast<std::size_t>(stride) * static_cast<std::size_t>(picture.height));
    for (int row = 0; row < picture.height; ++row) {
        std::memcpy(copy_.data() + static_cast<std::size_t>(row) * stride,
                    picture.bits + static_cast<std::size_t>(row) * picture.stride,
                    static_cast<std::size_t>(3 * picture.width));
    }
}

}  // namespace daub
