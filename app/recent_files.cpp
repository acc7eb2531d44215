#include "app/recent_files.h"

#include <fstream>

#include "files/file_path.h"
#include "platform/platform.h"

namespace daub {
namespace {

constexpr char kNoEntry[] = "(なし)";

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

bool CanBeRead(const std::string& path) {
    return !path.empty() && std::ifstream(PathFromUtf8(path), std::ios::binary).is_open();
}

}  // namespace

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
