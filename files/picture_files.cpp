#include "files/picture_files.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string_view>

#include "files/bmp_messages.h"
#include "files/bmp_reader.h"
#include "files/bmp_writer.h"
#include "files/file_read.h"
#include "files/file_replace.h"

namespace daub {
namespace {

// A compressed file of this size would give a picture far beyond the slot limit.
constexpr std::size_t kMaxPictureFileBytes = std::size_t{1} << 30;

// How each format the codecs take begins.
bool HasCodecSignature(std::string_view head) {
    static constexpr std::array<std::string_view, 7> kSignatures = {
        std::string_view("\x89PNG\r\n\x1A\n", 8),
        std::string_view("\xFF\xD8\xFF", 3),
        std::string_view("GIF87a", 6),
        std::string_view("GIF89a", 6),
        std::string_view("II*\0", 4),
        std::string_view("MM\0*", 4),
        std::string_view("\0\0\1\0", 4)};
    return std::any_of(kSignatures.begin(), kSignatures.end(),
                       [&](std::string_view s) { return head.starts_with(s); });
}

const char* RefusalText(PictureRefusal refusal) {
    switch (refusal) {
        case PictureRefusal::kDamaged:
            return kBmpDamagedText;
        case PictureRefusal::kTooLarge:
            return kBmpTooLargeText;
        case PictureRefusal::kNoMemory:
            return kBmpNoMemoryText;
        default:
            return kBmpNotBitmapText;
    }
}

std::nullptr_t Refuse(MessageSink& messages, const char* text) {
    messages.Report(text, kBmpErrorCaption, true);
    return nullptr;
}

}  // namespace

bool NamesPngFile(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    const std::string_view name =
        std::string_view(path).substr(separator == std::string::npos ? 0 : separator + 1);
    if (name.size() <= 4) return false;
    std::string extension(name.substr(name.size() - 4));
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".png";
}

std::unique_ptr<SlotBitmap> ReadPicture(MessageSink& messages, PictureFormats& formats,
                                        const std::string& path, LayerStack* spareOf) {
    const std::optional<std::string> head = ReadFileBytes(path, 8);
    if (!head || !HasCodecSignature(*head))
        return spareOf ? ReadBitmapPicture(messages, *spareOf, path)
                       : ReadBitmapPicture(messages, path);
    const std::optional<std::string> file = ReadFileBytes(path, kMaxPictureFileBytes);
    if (!file) return Refuse(messages, kBmpNotFoundText);
    if (file->size() >= kMaxPictureFileBytes) return Refuse(messages, kBmpTooLargeText);
    PictureRefusal refusal = PictureRefusal::kNone;
    std::unique_ptr<SlotBitmap> picture = formats.Decode(
        {reinterpret_cast<const std::uint8_t*>(file->data()), file->size()}, refusal);
    if (!picture) return Refuse(messages, RefusalText(refusal));
    return picture;
}

bool WritePictureFile(MessageSink& messages, PictureFormats& formats, const std::string& path,
                      const LayerStack& stack, int slot, int formatEntry) {
    if (!NamesPngFile(path)) return WriteBitmapFile(messages, path, stack, slot, formatEntry);
    if (!stack.Format(formatEntry) || !stack.Bits(slot)) return false;
    const ConstSlotView view = ViewOf(stack, slot, formatEntry);
    bool written = false;
    if (view) {
        const std::vector<std::uint8_t> file = formats.EncodePng(view);
        written = !file.empty() && WriteFileReplacing(path, {file});
    }
    if (!written) messages.Report(kBmpSaveFailedText, kBmpErrorCaption, false);
    return written;
}

}  // namespace daub
