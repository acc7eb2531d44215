#include "app/command_rules.h"

#include "app/command_ids.h"
#include "document/undo_history.h"

namespace daub {
namespace {

bool HasRange(const DocumentState& doc) {
    return doc.pendingOp == pending::kRangeSelected || doc.pendingOp == pending::kRangeFloating;
}

bool IdleWithDocument(const DocumentState& doc) {
    return doc.HasDocument() && doc.pendingOp == pending::kNone;
}

}  // namespace

bool IsCommandEnabled(const DocumentState& doc, const CommandContext& context, int id) {
    switch (id) {
        case cmd::kUndo:
            return CanUndo(doc);
        case cmd::kRedo:
            return CanRedo(doc);
        case cmd::kCopy:
            return HasRange(doc) && doc.selection.width > 0 && doc.selection.height > 0;
        case cmd::kPaste:
            return context.clipboardHasBitmap;
        case cmd::kDeleteRange:
            return HasRange(doc);
        case cmd::kResizeCanvas:
            return IdleWithDocument(doc);
        case cmd::kTrim:
            return doc.pendingOp == pending::kRangeSelected;
        case cmd::kSaveBitmapAs:
        case cmd::kSelectAll:
        case cmd::kSaveLayers:
        case cmd::kSave:
        case cmd::kFlipLeftRight:
        case cmd::kStretchRotate:
        case cmd::kFlipTopBottom:
            return doc.HasDocument();
        case cmd::kBrushSettings:
        case cmd::kSpraySettings:
            return IdleWithDocument(doc);
        case cmd::kRecentBitmap1:
            return context.hasRecentBitmap;
        case cmd::kRecentLayers1:
            return context.hasRecentLayers;
        default:
            return true;
    }
}

}  // namespace daub
