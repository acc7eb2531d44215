#pragma once

#include "document/document_state.h"

namespace daub {

// What the enable and check rules look at beyond the document.
struct CommandContext {
    bool clipboardHasBitmap = false;
    bool hasRecentBitmap = false;  // the first recent bitmap name is not empty
    bool hasRecentLayers = false;  // the first recent layer definition file name is not empty
    bool toolboxShown = true;
    bool colourBoxShown = true;
    bool curveSettingsShown = true;
};

// A rule of the command table: whether an item is enabled, or checked.
using CommandRule = bool (*)(const DocumentState& doc, const CommandContext& context);

namespace rule {
bool CanUndo(const DocumentState& doc, const CommandContext& context);
bool CanRedo(const DocumentState& doc, const CommandContext& context);
bool HasNonEmptySelection(const DocumentState& doc, const CommandContext& context);
bool ClipboardHasBitmap(const DocumentState& doc, const CommandContext& context);
bool HasRange(const DocumentState& doc, const CommandContext& context);
// A range, or curve points that the Delete key (this command's accelerator) takes back.
bool HasRangeOrPlacedPoints(const DocumentState& doc, const CommandContext& context);
bool HasSelectedRange(const DocumentState& doc, const CommandContext& context);
bool HasDocument(const DocumentState& doc, const CommandContext& context);
bool IdleWithDocument(const DocumentState& doc, const CommandContext& context);
bool HasRecentBitmap(const DocumentState& doc, const CommandContext& context);
bool HasRecentLayers(const DocumentState& doc, const CommandContext& context);
bool ToolboxShown(const DocumentState& doc, const CommandContext& context);
bool ColourBoxShown(const DocumentState& doc, const CommandContext& context);
bool LayerImageShown(const DocumentState& doc, const CommandContext& context);
bool CurveSettingsShown(const DocumentState& doc, const CommandContext& context);
bool GuideLineOn(const DocumentState& doc, const CommandContext& context);
}  // namespace rule

// Whether the menu item with this id is enabled; items without a rule always are.
bool IsCommandEnabled(const DocumentState& doc, const CommandContext& context, int id);

}  // namespace daub
