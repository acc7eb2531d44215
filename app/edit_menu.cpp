// The edit menu: undo and redo of the edited layer, deleting.
#include "app/main_window.h"
#include "app/menu_commands.h"
#include "app/platform_message_sink.h"
#include "files/undo_files.h"

namespace daub {

void UndoCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!CanUndo(doc)) return;
    window.EndPendingOperation(0);
    PlatformMessageSink messages(window.GetPlatform(), window.Handle());
    if (Undo(doc, messages)) window.CompositeDocument();
    window.Repaint();
}

void RedoCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!CanRedo(doc)) return;
    window.EndPendingOperation(0);
    if (Redo(doc)) window.CompositeDocument();
    window.Repaint();
}

// Delete is this command's accelerator; while curve points are being placed it takes back
// the last one.
void DeleteRangeCommand(TDaubWindow& window) {
    constexpr int kVkDelete = 0x2E;
    if (window.KeyToLeftTool(kVkDelete)) return;
    // Deleting the range itself comes with the range commands.
}

}  // namespace daub
