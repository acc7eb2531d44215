#include "files/file_replace.h"

#include <filesystem>
#include <fstream>

#include "files/file_path.h"

namespace daub {
namespace {

namespace fs = std::filesystem;

// A name beside the target that no file holds yet.
fs::path FreeSiblingName(const fs::path& target) {
    for (int n = 0; n < 1000; ++n) {
        fs::path candidate = target;
        candidate += ".~" + std::to_string(n) + ".tmp";
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec))) return candidate;
    }
    return {};
}

bool WriteBlocks(const fs::path& file,
                 std::initializer_list<std::span<const std::uint8_t>> blocks) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (std::span<const std::uint8_t> b : blocks)
        out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    out.flush();
    out.close();
    return !out.fail();
}

}  // namespace

bool WriteFileReplacing(const std::string& path,
                        std::initializer_list<std::span<const std::uint8_t>> blocks) {
    if (!IsUsablePath(path)) return false;
    const fs::path target = PathFromUtf8(path);
    const fs::path temporary = FreeSiblingName(target);
    if (temporary.empty()) return false;
    std::error_code ec;
    // rename replaces an existing target in one step (MoveFileEx with replace on Windows).
    if (WriteBlocks(temporary, blocks)) {
        fs::rename(temporary, target, ec);
        if (!ec) return true;
    }
    fs::remove(temporary, ec);
    return false;
}

}  // namespace daub
