#include "app/command_rules.h"

#include "document/undo_history.h"

namespace daub::rule {

bool CanUndo(const DocumentState& doc, const CommandContext&) {
    return daub::CanUndo(doc);
}

bool CanRedo(const DocumentState& doc, const CommandContext&) {
    return daub::CanRedo(doc);
}

bool HasNonEmptySelection(const DocumentState& doc, const CommandContext& context) {
    return HasRange(doc, context) && doc.selection.width > 0 && doc.selection.height > 0;
}

bool ClipboardHasBitmap(const DocumentState&, const CommandContext& context) {
    return context.clipboardHasBitmap;
}

bool HasRange(const DocumentState& doc, const CommandContext&) {
    return pending::IsRange(doc.pendingOp);
}

bool HasRangeOrPlacedPoints(const DocumentState& doc, const CommandContext& context) {
    return HasRange(doc, context) || doc.pendingOp == pending::kCurvePlacing ||
           doc.pendingOp == pending::kPolylinePlacing;
}

bool HasSelectedRange(const DocumentState& doc, const CommandContext&) {
    return doc.pendingOp == pending::kRangeSelected;
}

bool HasDocument(const DocumentState& doc, const CommandContext&) {
    return doc.HasDocument();
}

bool IdleWithDocument(const DocumentState& doc, const CommandContext&) {
    return doc.HasDocument() && doc.pendingOp == pending::kNone;
}

bool HasRecentBitmap(const DocumentState&, const CommandContext& context) {
    return context.hasRecentBitmap;
}

bool HasRecentLayers(const DocumentState&, const CommandContext& context) {
    return context.hasRecentLayers;
}

bool ToolboxShown(const DocumentState&, const CommandContext& context) {
    return context.toolboxShown;
}

bool ColourBoxShown(const DocumentState&, const CommandContext& context) {
    return context.colourBoxShown;
}

bool LayerImageShown(const DocumentState& doc, const CommandContext&) {
    return doc.layerImageVisible == 1;
}

bool CurveSettingsShown(const DocumentState&, const CommandContext& context) {
    return context.curveSettingsShown;
}

bool GuideLineOn(const DocumentState& doc, const CommandContext&) {
    return doc.guideLine == 1;
}

}  // namespace daub::rule
