#include "app/command_table.h"

#include "app/command_ids.h"
#include "app/menu_commands.h"

namespace daub {
namespace {

using namespace rule;

constexpr CommandRow kCommands[] = {
    // ファイル
    {cmd::kNew, NewCommand, nullptr, nullptr},
    {cmd::kOpenBitmap, nullptr, nullptr, nullptr},
    {cmd::kSave, nullptr, HasDocument, nullptr},
    {cmd::kSaveBitmapAs, nullptr, HasDocument, nullptr},
    {cmd::kRecentBitmap1, nullptr, HasRecentBitmap, nullptr},
    {cmd::kRecentBitmap2, nullptr, nullptr, nullptr},
    {cmd::kRecentBitmap3, nullptr, nullptr, nullptr},
    {cmd::kRecentBitmap4, nullptr, nullptr, nullptr},
    {cmd::kOpenLayers, nullptr, nullptr, nullptr},
    {cmd::kSaveLayers, nullptr, HasDocument, nullptr},
    {cmd::kRecentLayers1, nullptr, HasRecentLayers, nullptr},
    {cmd::kRecentLayers2, nullptr, nullptr, nullptr},
    {cmd::kRecentLayers3, nullptr, nullptr, nullptr},
    {cmd::kRecentLayers4, nullptr, nullptr, nullptr},
    {cmd::kClose, CloseCommand, nullptr, nullptr},
    // 編集
    {cmd::kUndo, UndoCommand, CanUndo, nullptr},
    {cmd::kRedo, RedoCommand, CanRedo, nullptr},
    {cmd::kCopy, nullptr, HasNonEmptySelection, nullptr},
    {cmd::kPaste, nullptr, ClipboardHasBitmap, nullptr},
    {cmd::kDeleteRange, nullptr, HasRange, nullptr},
    {cmd::kSelectAll, nullptr, HasDocument, nullptr},
    // 表示
    {cmd::kShowToolbox, ShowToolboxCommand, nullptr, ToolboxShown},
    {cmd::kShowColourBox, ShowColourBoxCommand, nullptr, ColourBoxShown},
    {cmd::kShowLayerImage, ShowLayerImageCommand, nullptr, LayerImageShown},
    {cmd::kShowCurveSettings, ShowCurveSettingsCommand, nullptr, CurveSettingsShown},
    {cmd::kGuideLine, GuideLineCommand, nullptr, GuideLineOn},
    // 変形
    {cmd::kFlipLeftRight, nullptr, HasDocument, nullptr},
    {cmd::kFlipTopBottom, nullptr, HasDocument, nullptr},
    {cmd::kStretchRotate, nullptr, HasDocument, nullptr},
    {cmd::kBlur, BlurCommand, nullptr, nullptr},
    {cmd::kResizeCanvas, nullptr, IdleWithDocument, nullptr},
    {cmd::kTrim, nullptr, HasSelectedRange, nullptr},
    // オプション
    {cmd::kBrushSettings, BrushSettingsCommand, IdleWithDocument, nullptr},
    {cmd::kSpraySettings, SpraySettingsCommand, IdleWithDocument, nullptr},
    {cmd::kLoadPalette, nullptr, nullptr, nullptr},
    {cmd::kSavePalette, nullptr, nullptr, nullptr},
    // ヘルプ
    {cmd::kAbout, AboutCommand, nullptr, nullptr},
};

}  // namespace

std::span<const CommandRow> CommandTable() {
    return kCommands;
}

const CommandRow* FindCommand(int id) {
    for (const CommandRow& row : kCommands)
        if (row.id == id) return &row;
    return nullptr;
}

bool IsCommandEnabled(const DocumentState& doc, const CommandContext& context, int id) {
    const CommandRow* row = FindCommand(id);
    return !row || !row->enabled || row->enabled(doc, context);
}

}  // namespace daub
