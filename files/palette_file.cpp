#include "files/palette_file.h"

#include <cstring>

#include "files/file_messages.h"
#include "files/file_read.h"
#include "files/file_replace.h"
#include "files/little_endian.h"

namespace daub {
namespace {

constexpr std::size_t kHeaderBytes = 24;
constexpr std::uint32_t kRiffSize = kPaletteFileBytes - 8;
constexpr std::uint32_t kDataSize = kPaletteFileBytes - 20;
constexpr std::uint16_t kPalVersion = 0x0300;

bool HoldsAt(std::span<const std::uint8_t> bytes, std::size_t offset, const char (&id)[5]) {
    return bytes.size() >= offset + 4 && std::memcmp(bytes.data() + offset, id, 4) == 0;
}

void Report(MessageSink& messages, const char* text) {
    messages.Report(text, kFileErrorCaption, true);
}

}  // namespace

std::array<std::uint8_t, kPaletteFileBytes> FormatPaletteFile(const PaletteCells& cells) {
    std::array<std::uint8_t, kPaletteFileBytes> file{};
    std::memcpy(file.data(), "RIFF", 4);
    StoreU32(file.data() + 4, kRiffSize);
    std::memcpy(file.data() + 8, "PAL data", 8);
    StoreU32(file.data() + 16, kDataSize);
    StoreU16(file.data() + 20, kPalVersion);
    StoreU16(file.data() + 22, kPaletteFileEntries);
    for (int n = 0; n < kPaletteFileEntries; ++n)
        StoreU32(file.data() + kHeaderBytes + 4 * n, cells[PaletteCellOfEntry(n)]);
    return file;
}

std::optional<PaletteCells> ParsePaletteFile(std::span<const std::uint8_t> bytes) {
    if (!HoldsAt(bytes, 0, "RIFF") || !HoldsAt(bytes, 8, "PAL ")) return std::nullopt;
    if (bytes.size() < kPaletteFileBytes || LoadU16(bytes.data() + 22) < kPaletteFileEntries)
        return std::nullopt;
    PaletteCells cells{};
    for (int n = 0; n < kPaletteFileEntries; ++n) {
        const std::uint8_t* entry = bytes.data() + kHeaderBytes + 4 * n;
        cells[PaletteCellOfEntry(n)] = MakeColour(entry[0], entry[1], entry[2]);
    }
    return cells;
}

bool LoadPaletteFile(MessageSink& messages, const std::string& path, PaletteCells& cells) {
    const std::optional<std::string> bytes = ReadFileBytes(path, kPaletteFileBytes);
    if (!bytes) {
        Report(messages, kFileReadFailedText);
        return false;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
    const std::optional<PaletteCells> read = ParsePaletteFile({data, bytes->size()});
    if (!read) {
        Report(messages, kNotPaletteText);
        return false;
    }
    cells = *read;
    return true;
}

bool SavePaletteFile(MessageSink& messages, const std::string& path, const PaletteCells& cells) {
    const std::array<std::uint8_t, kPaletteFileBytes> file = FormatPaletteFile(cells);
    if (WriteFileReplacing(path, {file})) return true;
    Report(messages, kFileWriteFailedText);
    return false;
}

}  // namespace daub
