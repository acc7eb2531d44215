#include "document/slot_format.h"

namespace daub {

SlotFormat MakeSlotFormat(int width, int height) {
    SlotFormat f;
    f.header.biWidth = width;
    f.header.biHeight = height;
    f.header.biSizeImage =
        static_cast<std::uint32_t>(static_cast<std::size_t>(RowStride(width)) * height);
    return f;
}

}  // namespace daub
