// Undo and redo of the edited layer.
#include "app/main_window.h"
#include "app/platform_message_sink.h"
#include "document/undo_history.h"
#include "files/undo_files.h"
#include "imageops/blur_picture.h"

namespace daub {

void TDaubWindow::UndoCommand() {
    if (!CanUndo(doc)) return;
    EndPendingOperation(0);
    PlatformMessageSink messages(GetPlatform(), Handle());
    if (Undo(doc, messages)) CompositeDocument();
    Repaint();
}

// The whole picture blurred into the edited layer, as one step of its history.
void TDaubWindow::BlurCommand() {
    if (!doc.HasDocument()) return;
    EndPendingOperation(0);
    TakeSnapshot(SnapshotKind::Always);
    BlurPicture(doc);
    Repaint();
}

void TDaubWindow::RedoCommand() {
    if (!CanRedo(doc)) return;
    EndPendingOperation(0);
    if (Redo(doc)) CompositeDocument();
    Repaint();
}

}  // namespace daub
