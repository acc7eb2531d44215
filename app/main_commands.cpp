// The main window's side of the command table: running a command, and the update pass that
// applies the enable and check rules before a popup menu opens.
#include "app/command_table.h"
#include "app/main_window.h"
#include "platform/message_box.h"
#include "platform/platform.h"

namespace daub {
namespace {

CommandContext ContextOf(Platform& platform, const Configuration& configuration,
                         const Satellites& satellites) {
    CommandContext context;
    context.clipboardHasBitmap = platform.ClipboardHasBitmap();
    context.hasRecentBitmap =
        !configuration.recentBitmaps.empty() && !configuration.recentBitmaps[0].empty();
    context.hasRecentLayers =
        !configuration.recentLayerFiles.empty() && !configuration.recentLayerFiles[0].empty();
    context.toolboxShown = satellites.toolboxShown;
    context.colourBoxShown = satellites.colourBoxShown;
    context.curveSettingsShown = satellites.curveSettingsShown;
    return context;
}

}  // namespace

// An id the table does not know, or a command of a feature still to come, does nothing.
std::intptr_t TDaubWindow::OnCommand(const Message& message) {
    const CommandRow* row = FindCommand(LowWord(message.wParam));
    if (row && row->action) row->action(*this);
    return 0;
}

// The window's own system menu is the platform's: only the program's popups are ruled.
std::intptr_t TDaubWindow::OnInitMenuPopup(const Message& message) {
    if (HighWord(message.lParam) != 0) return 0;
    Platform& platform = GetPlatform();
    const MenuHandle popup{static_cast<std::uintptr_t>(message.wParam)};
    const CommandContext context = ContextOf(platform, configuration, satellites);
    const int count = platform.MenuItemCount(popup);
    for (int position = 0; position < count; ++position) {
        const int id = platform.MenuItemId(popup, position);
        if (id > 0) platform.EnableMenuItem(popup, id, IsCommandEnabled(doc, context, id));
    }
    RefreshChecks();
    return 0;
}

void TDaubWindow::RefreshChecks() {
    Platform& platform = GetPlatform();
    const CommandContext context = ContextOf(platform, configuration, satellites);
    for (const CommandRow& row : CommandTable())
        if (row.checked) platform.CheckMenuItem(menu, row.id, row.checked(doc, context));
}

bool TDaubWindow::AskToDiscard(const char* question, const char* caption) {
    if (doc.modified != 1) return true;
    return GetPlatform().ShowMessageBox(Handle(), question, caption, mb::kOkCancel) == answer::kOk;
}

}  // namespace daub
