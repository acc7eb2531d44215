// The entries of the two recent-file submenus.
#include <string>

#include "app/document_opening.h"
#include "app/main_window.h"
#include "app/menu_commands.h"

namespace daub {
namespace {

// The entry at the position, or nothing when the list is shorter.
const std::string* Entry(const std::vector<std::string>& list, int position) {
    return position < static_cast<int>(list.size()) && !list[position].empty() ? &list[position]
                                                                               : nullptr;
}

}  // namespace

// The entry moves to the front, or leaves the list when its file could not be opened.
template <int Position>
void RecentBitmapCommand(TDaubWindow& window) {
    const std::string* entry = Entry(window.configuration.recentBitmaps, Position);
    if (!entry || !AskToReplace(window)) return;
    const std::string path = *entry;
    OpenBitmapDocument(window, path);
    RecordRecent(window, RecordKind::Bitmap, path);
}

template <int Position>
void RecentLayersCommand(TDaubWindow& window) {
    const std::string* entry = Entry(window.configuration.recentLayerFiles, Position);
    if (!entry || !AskToReplace(window)) return;
    const std::string path = *entry;
    OpenLayerFile(window, path);
    RecordRecent(window, RecordKind::LayerFile, path);
}

template void RecentBitmapCommand<0>(TDaubWindow&);
template void RecentBitmapCommand<1>(TDaubWindow&);
template void RecentBitmapCommand<2>(TDaubWindow&);
template void RecentBitmapCommand<3>(TDaubWindow&);
template void RecentLayersCommand<0>(TDaubWindow&);
template void RecentLayersCommand<1>(TDaubWindow&);
template void RecentLayersCommand<2>(TDaubWindow&);
template void RecentLayersCommand<3>(TDaubWindow&);

}  // namespace daub
