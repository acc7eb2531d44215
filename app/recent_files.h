#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/handles.h"

namespace daub {

class Platform;

// Which of the two recent-file lists.
enum class RecentKind { Bitmaps, LayerFiles };

// What Record is asked to do: only rebuild both submenus, or record a path in one list first.
enum class RecordKind { RebuildOnly = 0, Bitmap = 1, LayerFile = 2 };

// The submenus a Record call has to rebuild (RebuildRecentMenu, after ValidRecentEntries).
struct RecentRebuild {
    bool bitmaps = false;
    bool layerFiles = false;
    bool operator==(const RecentRebuild&) const = default;
};

// Puts the path at the front of its list, newest first: an entry already there moves up,
// a new one pushes the others down and the fifth falls off. A bitmap path is recorded when its
// file name's extension starts with "bmp", a layer definition file path when it starts with
// "dbq" (lower case, as the file dialogs give them); anything else is not recorded. Returns
// which submenus to rebuild: both for RebuildOnly, the kind's own otherwise, none when the file
// name has no extension at all.
RecentRebuild RecordRecentFile(std::vector<std::string>& bitmaps,
                               std::vector<std::string>& layerFiles, RecordKind kind,
                               const std::string& path = {});

// The command ids of a list's four menu positions.
const std::array<int, 4>& RecentCommandIds(RecentKind kind);

// Keeps the entries that name a file that can be read, in order.
std::vector<std::string> ValidRecentEntries(const std::vector<std::string>& entries);

// Refills the list's submenu of "ファイル" with "1 path" … for each entry; with no entries it
// shows the disabled "(なし)" again.
void RebuildRecentMenu(Platform& platform, MenuHandle menuBar, RecentKind kind,
                       const std::vector<std::string>& entries);

}  // namespace daub
