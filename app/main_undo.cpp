// Undo and redo of the edited layer.
#include "app/main_window.h"
#include "app/platform_message_sink.h"
#include "document/undo_history.h"
#include "files/undo_files.h"

namespace daub {

void TDaubWindow::UndoCommand() {
    if (!CanUndo(doc)) return;
    EndPendingOperation(0);
    PlatformMessageSink messages(GetPlatform(), Handle());
    if (Undo(doc, messages)) CompositeDocument();
    Repaint();
}

void TDaubWindow::RedoCommand() {
    if (!CanRedo(doc)) return;
    EndPendingOperation(0);
    if (Redo(doc)) CompositeDocument();
    Repaint();
}

}  // namespace daub
