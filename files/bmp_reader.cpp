#include "files/bmp_reader.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <vector>

#include "files/bmp_decoder.h"
#include "files/bmp_messages.h"
#include "files/file_path.h"

namespace daub {
namespace {

const char* RefusalText(BmpRefusal refusal) {
    switch (refusal) {
        case BmpRefusal::Unsupported:
            return kBmpUnsupportedText;
        case BmpRefusal::TooLarge:
            return kBmpTooLargeText;
        case BmpRefusal::Damaged:
            return kBmpDamagedText;
        case BmpRefusal::NoMemory:
            return kBmpNoMemoryText;
        default:
            return kBmpNotBitmapText;
    }
}

std::nullptr_t Refuse(MessageSink& messages, const char* text) {
    messages.Report(text, kBmpErrorCaption, true);
    return nullptr;
}

std::uint64_t FileLength(std::ifstream& in) {
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    in.seekg(0, std::ios::beg);
    return end > 0 ? static_cast<std::uint64_t>(end) : 0;
}

// The first bytes of the file: enough for every header and colour table.
std::vector<std::uint8_t> ReadHead(std::ifstream& in, std::uint64_t length) {
    std::vector<std::uint8_t> head(
        static_cast<std::size_t>(std::min<std::uint64_t>(length, kBmpHeadBytes)));
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return head;
}

// Reads count bytes from the file's offset into memory; Damaged when the file ends first.
BmpRefusal ReadAt(std::ifstream& in, std::uint64_t offset, std::uint8_t* into, std::size_t count) {
    in.clear();
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(reinterpret_cast<char*>(into), static_cast<std::streamsize>(count));
    return in.gcount() == static_cast<std::streamsize>(count) ? BmpRefusal::None
                                                              : BmpRefusal::Damaged;
}

// Files whose pixel array already is the slot's layout (every file this program writes) are
// read straight into the bitmap.
bool IsSlotLayout(const BmpLayout& layout, int stride, int height) {
    const std::uint64_t bytes = static_cast<std::uint64_t>(stride) * height;
    return layout.encoding == BmpEncoding::Rgb24 && !layout.topDown &&
           BmpSourceStride(layout) == static_cast<std::uint64_t>(stride) &&
           layout.pixelBytes == bytes;
}

// Fills the new bitmap from the file: directly, or through the decoder.
BmpRefusal ReadPixels(std::ifstream& in, const BmpLayout& layout, SlotBitmap& bitmap) {
    if (IsSlotLayout(layout, bitmap.stride, bitmap.height))
        return ReadAt(in, layout.pixelOffset, bitmap.pixels.get(), bitmap.ByteSize());
    const std::size_t count = static_cast<std::size_t>(layout.pixelBytes);
    std::unique_ptr<std::uint8_t[]> data(new (std::nothrow) std::uint8_t[count]);
    if (!data) return BmpRefusal::NoMemory;
    const BmpRefusal read = ReadAt(in, layout.pixelOffset, data.get(), count);
    if (read != BmpRefusal::None) return read;
    DecodeBmpPixels(layout, {data.get(), count}, bitmap.pixels.get(), bitmap.stride);
    return BmpRefusal::None;
}

bool IsDirectory(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_directory(p, ec);
}

// The picture into memory that `make` gives for its format (zeroed when asked).
template <class Make>
std::unique_ptr<SlotBitmap> ReadPicture(MessageSink& messages, const std::string& path, Make make) {
    if (path.empty()) return Refuse(messages, kBmpNoPathText);
    if (!IsUsablePath(path)) return Refuse(messages, kBmpNotFoundText);
    const std::filesystem::path file = PathFromUtf8(path);
    std::ifstream in(file, std::ios::binary);
    if (!in || IsDirectory(file)) return Refuse(messages, kBmpNotFoundText);

    const std::uint64_t length = FileLength(in);
    const std::vector<std::uint8_t> head = ReadHead(in, length);
    const BmpParseResult parsed = ParseBmpHeaders(head, length);
    if (parsed.refusal != BmpRefusal::None) return Refuse(messages, RefusalText(parsed.refusal));
    const BmpLayout& layout = parsed.layout;
    const SlotFormat format = MakeSlotFormat(layout.width, layout.height);
    // The direct read fills every byte, padding included; the decoder leaves some untouched.
    const bool direct = IsSlotLayout(layout, RowStride(layout.width), layout.height);
    std::unique_ptr<SlotBitmap> bitmap = make(format, !direct);
    if (!bitmap) return Refuse(messages, kBmpNoMemoryText);
    const BmpRefusal readFailure = ReadPixels(in, layout, *bitmap);
    if (readFailure != BmpRefusal::None) return Refuse(messages, RefusalText(readFailure));
    return bitmap;
}

}  // namespace

std::unique_ptr<SlotBitmap> ReadBitmapPicture(MessageSink& messages, const std::string& path) {
    return ReadPicture(messages, path, [](const SlotFormat& format, bool zeroed) {
        return LayerStack::MakeBitmap(format, zeroed);
    });
}

std::unique_ptr<SlotBitmap> ReadBitmapPicture(MessageSink& messages, LayerStack& stack,
                                              const std::string& path) {
    return ReadPicture(messages, path, [&stack](const SlotFormat& format, bool zeroed) {
        return stack.TakeBitmap(format, zeroed);
    });
}

BitmapHandle ReadBitmapFile(MessageSink& messages, LayerStack& stack, const std::string& path,
                            int slot, int formatEntry) {
    if (!stack.IsSlot(slot) || !stack.IsSlot(formatEntry)) return nullptr;
    // A slot read again at the same size takes the spare's memory, already mapped.
    std::unique_ptr<SlotBitmap> bitmap = ReadBitmapPicture(messages, stack, path);
    if (!bitmap) return nullptr;
    // Everything that can fail has been done: only now are the slot and its format replaced.
    stack.DefineFormat(formatEntry, bitmap->width, bitmap->height);
    return stack.InstallBitmap(slot, std::move(bitmap));
}

}  // namespace daub
