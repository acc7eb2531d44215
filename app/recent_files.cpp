#include "app/recent_files.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <string_view>

#include "files/file_path.h"
#include "platform/platform.h"

namespace daub {
namespace {

constexpr char kNoEntry[] = "(なし)";
constexpr std::size_t kMaxEntries = 4;

// The bitmap list is the first submenu of "ファイル", the layer file list the last.
MenuHandle RecentSubmenu(Platform& platform, MenuHandle menuBar, RecentKind kind) {
    const MenuHandle file = platform.SubMenu(menuBar, 0);
    if (!file) return {};
    MenuHandle found;
    for (int i = 0; i < platform.MenuItemCount(file); ++i) {
        if (platform.MenuItemId(file, i) != -1) continue;
        found = platform.SubMenu(file, i);
        if (kind == RecentKind::Bitmaps) break;
    }
    return found;
}

// The file name's own extension: a "." in a folder name (C:\Users\j.doe\cat.bmp) is not it.
std::optional<std::string_view> ExtensionOf(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    const std::string_view name =
        separator == std::string_view::npos ? path : path.substr(separator + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    return name.substr(dot + 1);
}

void PutFirst(std::vector<std::string>& list, const std::string& path) {
    const auto found = std::find(list.begin(), list.end(), path);
    if (found != list.end()) {
        std::rotate(list.begin(), found, found + 1);
    } else {
        list.insert(list.begin(), path);
    }
    if (list.size() > kMaxEntries) list.resize(kMaxEntries);
}

bool CanBeRead(const std::string& path) {
    return !path.empty() && std::ifstream(PathFromUtf8(path), std::ios::binary).is_open();
}

}  // namespace

RecentRebuild RecordRecentFile(std::vector<std::string>& bitmaps,
                               std::vector<std::string>& layerFiles, RecordKind kind,
                               const std::string& path) {
    if (kind == RecordKind::RebuildOnly) return {true, true};
    const std::optional<std::string_view> extension = ExtensionOf(path);
    if (!extension) return {};
    if (kind == RecordKind::Bitmap) {
        if (extension->starts_with("bmp") || extension->starts_with("png")) PutFirst(bitmaps, path);
        return {true, false};
    }
    if (extension->starts_with("dbq")) PutFirst(layerFiles, path);
    return {false, true};
}

const std::array<int, 4>& RecentCommandIds(RecentKind kind) {
    static const std::array<int, 4> bitmaps = {40037, 1044, 1045, 1046};
    static const std::array<int, 4> layerFiles = {40039, 1047, 1048, 1049};
    return kind == RecentKind::Bitmaps ? bitmaps : layerFiles;
}

std::vector<std::string> ValidRecentEntries(const std::vector<std::string>& entries) {
    std::vector<std::string> kept;
    for (const std::string& entry : entries) {
        if (kept.size() < RecentCommandIds(RecentKind::Bitmaps).size() && CanBeRead(entry))
            kept.push_back(entry);
    }
    return kept;
}

// The submenu always equals the list, so an entry dropped from the list leaves the menu too.
void RebuildRecentMenu(Platform& platform, MenuHandle menuBar, RecentKind kind,
                       const std::vector<std::string>& entries) {
    const MenuHandle submenu = RecentSubmenu(platform, menuBar, kind);
    if (!submenu) return;
    while (platform.MenuItemCount(submenu) > 0)
        platform.DeleteMenuItemAt(submenu, 0);
    const std::array<int, 4>& ids = RecentCommandIds(kind);
    if (entries.empty()) {
        platform.AppendMenuItem(submenu, ids[0], kNoEntry, false);
        return;
    }
    for (std::size_t i = 0; i < entries.size() && i < ids.size(); ++i)
        platform.AppendMenuItem(submenu, ids[i], std::to_string(i + 1) + " " + entries[i], true);
}

}  // namespace daub
