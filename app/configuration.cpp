#include "app/configuration.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <utility>

#include "files/file_path.h"
#include "files/file_replace.h"
#include "files/text_encoding.h"

namespace daub {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUndoComment = "//Undoの回数";
constexpr std::string_view kLayerComment = "//レイヤーの数";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The lines of the text, each without its line end. Only a line end that is there is taken
// off: the last line may have none and keeps every character.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    std::optional<std::string_view> Next() {
        if (rest_.empty()) return std::nullopt;
        const std::size_t end = rest_.find('\n');
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        return line;
    }

  private:
    std::string_view rest_;
};

// Like atoi: blanks, a sign, digits, the rest ignored; no digits give 0. Out-of-range values
// stop at the ends of int instead of overflowing.
int LeadingInteger(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::int64_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        value = std::min<std::int64_t>(value * 10 + (s[i] - '0'), std::int64_t{INT_MAX} + 1);
    if (negative) value = -value;
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A count line, then that many entries when the count is 1 to 4. Any other count leaves the
// list empty and skips nothing: the next line is the next value, as every reader has done.
void ReadRecentList(LineReader& lines, std::vector<std::string>& list) {
    const std::optional<std::string_view> countLine = lines.Next();
    if (!countLine) return;
    const int count = LeadingInteger(*countLine);
    if (count < 1 || count > static_cast<int>(Configuration::kMaxRecentFiles)) return;
    for (int i = 0; i < count; ++i) {
        const std::optional<std::string_view> entry = lines.Next();
        if (!entry) return;
        list.emplace_back(*entry);
    }
}

void WriteRecentList(std::string& out, const std::vector<std::string>& list) {
    std::vector<const std::string*> kept;
    for (const std::string& entry : list) {
        if (kept.size() == Configuration::kMaxRecentFiles) break;
        if (entry.find_first_of("\r\n") == std::string::npos) kept.push_back(&entry);
    }
    out += std::to_string(kept.size()) + "\n";
    for (const std::string* entry : kept)
        out += *entry + "\n";
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    return WriteFileReplacing(path, {std::span<const std::uint8_t>(data, bytes.size())});
}

}  // namespace

Configuration ParseConfiguration(std::string_view bytes) {
    const std::string text = DecodeTextFile(bytes);
    LineReader lines(text);
    Configuration config;

    // The whole line: a path with blanks (C:\Program Files\...) must not be cut at the first.
    if (const std::optional<std::string_view> line = lines.Next()) {
        config.workDirectory = Trimmed(*line);
        if (!config.workDirectory.empty() && !IsSeparator(config.workDirectory.back()))
            config.workDirectory += static_cast<char>(fs::path::preferred_separator);
    }
    if (const std::optional<std::string_view> line = lines.Next()) {
        const int depth = LeadingInteger(*line);
        config.undoDepth = depth >= 1 ? depth : Configuration::kDefaultUndoDepth;
    }
    if (const std::optional<std::string_view> line = lines.Next()) {
        int layers = LeadingInteger(*line);
        if (layers < 0) layers = Configuration::kDefaultLayerCount;
        layers = std::min(layers, Configuration::kMaxLayerCount);
        config.slotCount = layers + Configuration::kSlotsBeyondLayerCount;
    }
    ReadRecentList(lines, config.recentBitmaps);
    ReadRecentList(lines, config.recentLayerFiles);
    return config;
}

std::string FormatConfiguration(const Configuration& config) {
    std::string text = config.workDirectory + "\n";
    text += std::to_string(config.undoDepth);
    text += kUndoComment;
    text += "\n";
    text += std::to_string(config.LayerCount());
    text += kLayerComment;
    text += "\n";
    WriteRecentList(text, config.recentBitmaps);
    WriteRecentList(text, config.recentLayerFiles);

    // Neither code page 932 nor UTF-8 uses the byte 0x0A inside a character.
    const std::string encoded = EncodeTextFile(text);
    std::string bytes;
    bytes.reserve(encoded.size() + 16);
    for (char c : encoded) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    return bytes;
}

StandardConfigurationSystem::StandardConfigurationSystem(std::string executablePath)
    : executablePath_(std::move(executablePath)) {}

std::string StandardConfigurationSystem::WorkingDirectory() const {
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    return ec ? std::string() : Utf8FromPath(current);
}

bool StandardConfigurationSystem::ChangeWorkingDirectory(const std::string& directory) {
    if (directory.empty()) return false;
    std::error_code ec;
    fs::current_path(PathFromUtf8(directory), ec);
    return !ec;
}

bool StandardConfigurationSystem::MakeDirectory(const std::string& directory) {
    if (directory.empty()) return false;
    // A trailing separator would leave an empty last element for create_directories.
    fs::path path = PathFromUtf8(directory);
    if (!path.has_filename() && path.has_relative_path()) path = path.parent_path();
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

std::string DefaultWorkDirectory(const std::string& executablePath) {
    const std::size_t separator = executablePath.find_last_of("\\/");
    const std::string directory =
        separator == std::string::npos ? std::string() : executablePath.substr(0, separator + 1);
    return directory + "Temp" + static_cast<char>(fs::path::preferred_separator);
}

std::string ConfigurationPathBeside(const std::string& executablePath) {
    const std::size_t separator = executablePath.find_last_of("\\/");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const std::size_t dot = executablePath.rfind('.');
    if (dot == std::string::npos || dot < nameStart) return executablePath + ".ini";
    return executablePath.substr(0, dot + 1) + "ini";
}

Configuration ReadConfiguration(ConfigurationSystem& system) {
    const fs::path file =
        PathFromUtf8(system.WorkingDirectory()) / PathFromUtf8(std::string(kConfigurationFileName));
    if (const std::optional<std::string> bytes = ReadWholeFile(file)) {
        Configuration config = ParseConfiguration(*bytes);
        if (config.workDirectory.empty())
            config.workDirectory = DefaultWorkDirectory(system.ExecutablePath());
        if (!system.ChangeWorkingDirectory(config.workDirectory))
            system.MakeDirectory(config.workDirectory);
        return config;
    }

    Configuration config;
    config.workDirectory = DefaultWorkDirectory(system.ExecutablePath());
    // A file that is there but cannot be read (locked, a directory) is not replaced.
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(file, ec)))
        WriteBytes(Utf8FromPath(file), FormatConfiguration(config));
    system.MakeDirectory(config.workDirectory);
    return config;
}

bool WriteConfiguration(const Configuration& config, const ConfigurationSystem& system) {
    return WriteBytes(ConfigurationPathBeside(system.ExecutablePath()),
                      FormatConfiguration(config));
}

}  // namespace daub
