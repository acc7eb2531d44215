#include "files/file_read.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "files/file_path.h"

namespace daub {

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t limit) {
    if (!IsUsablePath(path)) return std::nullopt;
    const std::filesystem::path file = PathFromUtf8(path);
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    in.seekg(0, std::ios::beg);
    if (length < 0 || !in) return std::nullopt;
    std::string bytes(std::min(limit, static_cast<std::size_t>(length)), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace daub
