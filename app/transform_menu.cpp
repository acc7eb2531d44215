// The transform menu: the picture effects.
#include "app/main_window.h"
#include "app/menu_commands.h"
#include "imageops/blur_picture.h"

namespace daub {

// The whole picture blurred into the edited layer, as one step of its history.
void BlurCommand(TDaubWindow& window) {
    DocumentState& doc = window.doc;
    if (!doc.HasDocument()) return;
    window.EndPendingOperation(0);
    window.TakeSnapshot(SnapshotKind::Always);
    BlurPicture(doc);
    window.Repaint();
}

}  // namespace daub
