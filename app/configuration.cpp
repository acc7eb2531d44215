#include "app/configuration.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <utility>

#include "files/file_path.h"
#include "files/file_read.h"
#include "files/file_replace.h"
#include "files/text_encoding.h"
#include "files/text_lines.h"

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

// A file of a few lines; anything longer than this is not one the program wrote.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 20;

// Like atoi: no digits give 0.
int LeadingIntegerOrZero(std::string_view s) {
    return LeadingInteger(s).value_or(0);
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
// An entry holding a NUL is taken off the list: it would open another file than it names.
void ReadRecentList(TextLines& lines, std::vector<std::string>& list) {
    const std::optional<std::string_view> countLine = lines.Next();
    if (!countLine) return;
    const int count = LeadingIntegerOrZero(*countLine);
    if (count < 1 || count > static_cast<int>(Configuration::kMaxRecentFiles)) return;
    for (int i = 0; i < count; ++i) {
        const std::optional<std::string_view> entry = lines.Next();
        if (!entry) return;
        if (FitsOnALine(*entry)) list.emplace_back(*entry);
    }
}

void WriteRecentList(std::string& out, const std::vector<std::string>& list) {
    std::vector<const std::string*> kept;
    for (const std::string& entry : list) {
        if (kept.size() == Configuration::kMaxRecentFiles) break;
        if (FitsOnALine(entry)) kept.push_back(&entry);
    }
    out += std::to_string(kept.size()) + "\n";
    for (const std::string* entry : kept)
        out += *entry + "\n";
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    return WriteFileReplacing(path, {std::span<const std::uint8_t>(data, bytes.size())});
}

}  // namespace

Configuration ParseConfiguration(std::string_view bytes) {
    const std::string text = DecodeTextFile(bytes);
    TextLines lines(text);
    Configuration config;

    // The whole line: a path with blanks (C:\Program Files\...) must not be cut at the first.
    // One holding a NUL is refused like a blank one: the directory changed into would be
    // another than the one recorded.
    if (const std::optional<std::string_view> line = lines.Next(); line && FitsOnALine(*line)) {
        config.workDirectory = Trimmed(*line);
        if (!config.workDirectory.empty() && !IsSeparator(config.workDirectory.back()))
            config.workDirectory += static_cast<char>(fs::path::preferred_separator);
    }
    if (const std::optional<std::string_view> line = lines.Next()) {
        const int depth = LeadingIntegerOrZero(*line);
        config.undoDepth = depth >= 1 ? depth : Configuration::kDefaultUndoDepth;
    }
    if (const std::optional<std::string_view> line = lines.Next()) {
        int layers = LeadingIntegerOrZero(*line);
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
    return TextFileBytes(text);
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
    if (const std::optional<std::string> bytes = ReadFileBytes(Utf8FromPath(file), kMaxFileBytes)) {
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
