#pragma once

#include <string>
#include <vector>

#include "app/recent_files.h"

namespace daub {

class TDaubWindow;

// The ways a document comes from files, shared by the file menu, the recent entries and
// files dropped on the main window. A failure leaves the document on screen as it was.

// The BMP at path becomes the document, one layer; true when it did.
bool OpenBitmapDocument(TDaubWindow& window, const std::string& path);
// The layer definition file and the pictures it lists become the document. The path is
// recorded in the recent layer list whatever comes of it.
void OpenLayerFile(TDaubWindow& window, const std::string& path);

// Files dropped on the main window: the first readable picture becomes the document, the
// others are stacked on it as layers in drop order.
void OpenDroppedFiles(TDaubWindow& window, const std::vector<std::string>& paths);

// Records the path in its recent list (or only rebuilds both submenus) and rebuilds the
// submenus that changed, dropping files that are gone.
void RecordRecent(TDaubWindow& window, RecordKind kind, const std::string& path = {});

// The question before a new file replaces a changed picture; true to go on.
bool AskToReplace(TDaubWindow& window);

}  // namespace daub
