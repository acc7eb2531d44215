#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace daub {

// A layer definition file (".dbq") names one BMP file per layer, bottom first:
//   3
//   C:\work\pic[0].bmp
//   C:\work\pic[1].bmp
//   C:\work\pic[2].bmp
// It is text with CR LF line ends, in code page 932 or UTF-8 as EncodeTextFile chooses.
struct LayerDefinition {
    int count = 0;                   // the number on the first line, at least 1
    std::vector<std::string> paths;  // every later line in order; more or fewer than count
};

// The file's bytes for these paths, bottom first. Nothing when there is no path, or a path is
// empty or holds a line break or a NUL: such a file could not be read back the same.
std::optional<std::string> FormatLayerDefinition(const std::vector<std::string>& paths);

// What a file's bytes list (UTF-8 or code page 932). Every line is kept whole, the last one
// too when it has no line end. Nothing when the first line holds no number of layers (no
// digits, or a number below 1).
std::optional<LayerDefinition> ParseLayerDefinition(std::string_view bytes);

// Writes the file at path (UTF-8) through a temporary file, so that an earlier file is replaced
// only by a complete one. Returns false when the paths cannot be written or the file cannot.
bool WriteLayerDefinitionFile(const std::string& path, const std::vector<std::string>& paths);

// Reads the file at path. Nothing when it cannot be opened or read or its first line holds no
// number of layers; the caller reports that as kFileReadFailedText (files/file_messages.h).
std::optional<LayerDefinition> ReadLayerDefinitionFile(const std::string& path);

}  // namespace daub
