#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/handles.h"

namespace daub {

class Platform;

// Which of the two recent-file lists.
enum class RecentKind { Bitmaps, LayerFiles };

// The command ids of a list's four menu positions.
const std::array<int, 4>& RecentCommandIds(RecentKind kind);

// Keeps the entries that name a file that can be read, in order.
std::vector<std::string> ValidRecentEntries(const std::vector<std::string>& entries);

// Refills the list's submenu of "ファイル" with "1 path" … for each entry; with no entries it
// shows the disabled "(なし)" again.
void RebuildRecentMenu(Platform& platform, MenuHandle menuBar, RecentKind kind,
                       const std::vector<std::string>& entries);

}  // namespace daub
