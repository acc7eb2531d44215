#include "app/command_table.h"

#include "app/command_ids.h"
#include "app/menu_commands.h"

namespace daub {
namespace {

using namespace rule;

constexpr CommandRow kCommands[] = {
    // ファイル
    {cmd::kNew, NewCommand, nullptr, nullptr},
    {cmd::kOpenBitmap, OpenBitmapCommand, nullptr, nullptr},
    {cmd::kSave, SaveCommand, HasDocument, nullptr},
    {cmd::kSaveBitmapAs, SaveBitmapAsCommand, HasDocument, nullptr},
    {cmd::kRecentBitmap1, RecentBitmapCommand<0>, HasRecentBitmap, nullptr},
    {cmd::kRecentBitmap2, RecentBitmapCommand<1>, nullptr, nullptr},
    {cmd::kRecentBitmap3, RecentBitmapCommand<2>, nullptr, nullptr},
    {cmd::kRecentBitmap4, RecentBitmapCommand<3>, nullptr, nullptr},
    {cmd::kOpenLayers, OpenLayersCommand, nullptr, nullptr},
    {cmd::kSaveLayers, SaveLayersCommand, HasDocument, nullptr},
    {cmd::kRecentLayers1, RecentLayersCommand<0>, HasRecentLayers, nullptr},
    {cmd::kRecentLayers2, RecentLayersCommand<1>, nullptr, nullptr},
    {cmd::kRecentLayers3, RecentLayersCommand<2>, nullptr, nullptr},
    {cmd::kRecentLayers4, RecentLayersCommand<3>, nullptr, nullptr},
    {cmd::kClose, CloseCommand, nullptr, nullptr},
    // 編集
    {cmd::kUndo, UndoCommand, CanUndo, nullptr},
    {cmd::kRedo, RedoCommand, CanRedo, nullptr},
    {cmd::kCopy, CopyCommand, HasNonEmptySelection, nullptr},
    {cmd::kPaste, PasteCommand, ClipboardHasBitmap, nullptr},
    {cmd::kDeleteRange, DeleteRangeCommand, HasRangeOrPlacedPoints, nullptr},
    {cmd::kSelectAll, SelectAllCommand, HasDocument, nullptr},
    // 表示
    {cmd::kShowToolbox, ShowToolboxCommand, nullptr, ToolboxShown},
    {cmd::kShowColourBox, ShowColourBoxCommand, nullptr, ColourBoxShown},
    {cmd::kShowLayerImage, ShowLayerImageCommand, nullptr, LayerImageShown},
    {cmd::kShowCurveSettings, ShowCurveSettingsCommand, nullptr, CurveSettingsShown},
    {cmd::kGuideLine, GuideLineCommand, nullptr, GuideLineOn},
    // 変形
    {cmd::kFlipLeftRight, FlipLeftRightCommand, HasDocument, nullptr},
    {cmd::kFlipTopBottom, FlipTopBottomCommand, HasDocument, nullptr},
    {cmd::kStretchRotate, StretchRotateCommand, HasDocument, nullptr},
    {cmd::kBlur, BlurCommand, nullptr, nullptr},
    {cmd::kResizeCanvas, ResizeCanvasCommand, IdleWithDocument, nullptr},
    {cmd::kTrim, TrimCommand, HasSelectedRange, nullptr},
    // オプション
    {cmd::kBrushSettings, BrushSettingsCommand, IdleWithDocument, nullptr},
    {cmd::kSpraySettings, SpraySettingsCommand, IdleWithDocument, nullptr},
    {cmd::kLoadPalette, LoadPaletteCommand, nullptr, nullptr},
    {cmd::kSavePalette, SavePaletteCommand, nullptr, nullptr},
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
