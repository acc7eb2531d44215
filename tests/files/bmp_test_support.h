#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "document/colour.h"
#include "document/message_sink.h"

namespace daub::test {

// Keeps every message box the code under test asked for.
class RecordingSink : public MessageSink {
  public:
    struct Message {
        std::string text, caption;
        bool ownedByWindow;
    };
    void Report(const std::string& text, const std::string& caption, bool ownedByWindow) override {
        messages.push_back({text, caption, ownedByWindow});
    }
    std::vector<Message> messages;
};

// A fresh directory under the system's temporary directory, removed with its content.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // A UTF-8 path for a file in the directory.
    std::string File(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadBytes(const std::string& utf8Path);
void WriteBytes(const std::string& utf8Path, const std::vector<std::uint8_t>& bytes);

// The parts of a BMP file a test wants to set; the rest follows from them.
struct BmpSpec {
    std::uint32_t headerSize = 40;  // 12 writes an OS/2 1.x header with 3-byte colour entries
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t clrUsed = 0;
    std::int32_t pixelsPerMetre = 2835;
    // Bit-field masks (red, green, blue, alpha...): inside headers of 52 bytes and more,
    // after a 40-byte one.
    std::vector<std::uint32_t> masks;
    std::vector<COLORREF> palette;
    std::vector<std::uint8_t> pixels;      // the pixel array exactly as stored
    std::optional<std::uint32_t> offBits;  // default: right after the colour table
    std::uint32_t gapBeforePixels = 0;     // unused bytes between table and pixels
};

std::vector<std::uint8_t> BuildBmp(const BmpSpec& spec);

}  // namespace daub::test
