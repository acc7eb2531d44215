#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "document/colour.h"
#include "document/message_sink.h"

namespace daub {

// The colour box's 28 cells travel through a RIFF "PAL " file of 136 bytes: a 24-byte header
// (palVersion 0x0300, 28 entries), then one entry of red, green, blue, flags per cell. Entries
// 0-13 are the top row left to right (cells 0, 2, ... 26), entries 14-27 the bottom row
// (cells 1, 3, ... 27).
inline constexpr int kPaletteFileEntries = 28;
inline constexpr std::size_t kPaletteFileBytes = 24 + 4 * kPaletteFileEntries;
using PaletteCells = std::array<COLORREF, kPaletteFileEntries>;

// The cell that palette entry n belongs to.
constexpr int PaletteCellOfEntry(int n) {
    return n < kPaletteFileEntries / 2 ? 2 * n : 2 * (n - kPaletteFileEntries / 2) + 1;
}

std::array<std::uint8_t, kPaletteFileBytes> FormatPaletteFile(const PaletteCells& cells);

// The cells in a file's first bytes; nothing unless they start "RIFF" and hold "PAL " at 8 and
// at least 28 entries (by palNumEntries and by length). More entries are ignored, and every
// flags byte is cleared: a cell is a plain colour.
std::optional<PaletteCells> ParsePaletteFile(std::span<const std::uint8_t> bytes);

// Replaces the cells with those of the file at path. A file that cannot be read shows
// "ファイルの読み込みに失敗しました。", one that is no palette of 28 colours
// "パレットファイルではありません。" (caption "エラー", owned by the main window); the cells
// then stay as they were and the result is false.
bool LoadPaletteFile(MessageSink& messages, const std::string& path, PaletteCells& cells);

// Writes the cells to the file at path through a temporary file, so that a failed save leaves
// an earlier file whole. A failure shows "ファイルの書き込みに失敗しました。" (caption "エラー")
// and returns false.
bool SavePaletteFile(MessageSink& messages, const std::string& path, const PaletteCells& cells);

}  // namespace daub
