#include "files/bmp_pixels.h"

#include <fstream>

#include "document/slot_view.h"
#include "files/bmp_file_header.h"
#include "files/file_path.h"

namespace daub {

bool ReadBitmapPixels(const std::string& path, LayerStack& stack, int slot, int formatEntry) {
    if (path.empty()) return false;
    const SlotView view = ViewOf(stack, slot, formatEntry);
    if (!view) return false;
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in || !in.seekg(kBmpWrittenHeaderSize)) return false;
    const auto wanted = static_cast<std::streamsize>(view.ByteSize());
    in.read(reinterpret_cast<char*>(view.bits), wanted);
    return in.gcount() == wanted;
}

}  // namespace daub
