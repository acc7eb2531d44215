#include "files/layer_definition_file.h"

#include <cstdint>
#include <span>

#include "files/file_read.h"
#include "files/file_replace.h"
#include "files/text_encoding.h"
#include "files/text_lines.h"

namespace daub {
namespace {

// A hundred layers of long paths take some tens of kilobytes; a file larger than this is no
// definition file.
constexpr std::size_t kMaxFileBytes = std::size_t{1} << 20;

}  // namespace

std::optional<std::string> FormatLayerDefinition(const std::vector<std::string>& paths) {
    // "0" on the first line would be a file no reader opens.
    if (paths.empty()) return std::nullopt;
    std::string text = std::to_string(paths.size()) + "\n";
    for (const std::string& path : paths) {
        if (path.empty() || !FitsOnALine(path)) return std::nullopt;
        text += path + "\n";
    }
    return TextFileBytes(text);
}

std::optional<LayerDefinition> ParseLayerDefinition(std::string_view bytes) {
    const std::string text = DecodeTextFile(bytes);
    TextLines lines(text);
    const std::optional<std::string_view> first = lines.Next();
    const std::optional<int> count = first ? LeadingInteger(*first) : std::nullopt;
    if (!count || *count < 1) return std::nullopt;
    LayerDefinition definition;
    definition.count = *count;
    while (const std::optional<std::string_view> line = lines.Next())
        definition.paths.emplace_back(*line);
    return definition;
}

bool WriteLayerDefinitionFile(const std::string& path, const std::vector<std::string>& paths) {
    const std::optional<std::string> bytes = FormatLayerDefinition(paths);
    if (!bytes) return false;
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
    return WriteFileReplacing(path, {std::span<const std::uint8_t>(data, bytes->size())});
}

std::optional<LayerDefinition> ReadLayerDefinitionFile(const std::string& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path, kMaxFileBytes);
    if (!bytes) return std::nullopt;
    return ParseLayerDefinition(*bytes);
}

}  // namespace daub
