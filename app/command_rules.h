#pragma once

#include "document/document_state.h"

namespace daub {

// What the enable rules look at beyond the document.
struct CommandContext {
    bool clipboardHasBitmap = false;
    bool hasRecentBitmap = false;  // the first recent bitmap name is not empty
    bool hasRecentLayers = false;  // the first recent layer definition file is not empty
};

// Whether the menu item with this id is enabled; items without a rule always are.
bool IsCommandEnabled(const DocumentState& doc, const CommandContext& context, int id);

}  // namespace daub
