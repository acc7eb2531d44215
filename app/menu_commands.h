#pragma once

namespace daub {

class TDaubWindow;

// The actions of the command table, by menu; each in the file of its menu.

// ファイル (file_menu.cpp)
void NewCommand(TDaubWindow& window);
void OpenBitmapCommand(TDaubWindow& window);
void SaveCommand(TDaubWindow& window);
void SaveBitmapAsCommand(TDaubWindow& window);
void OpenLayersCommand(TDaubWindow& window);
void SaveLayersCommand(TDaubWindow& window);
void CloseCommand(TDaubWindow& window);

// The recent-file entries, by position (recent_menu.cpp)
template <int Position>
void RecentBitmapCommand(TDaubWindow& window);
template <int Position>
void RecentLayersCommand(TDaubWindow& window);

// 編集 (edit_menu.cpp)
void UndoCommand(TDaubWindow& window);
void RedoCommand(TDaubWindow& window);
void CopyCommand(TDaubWindow& window);
void PasteCommand(TDaubWindow& window);
void DeleteRangeCommand(TDaubWindow& window);
void SelectAllCommand(TDaubWindow& window);

// 表示 (view_menu.cpp)
void ShowToolboxCommand(TDaubWindow& window);
void ShowColourBoxCommand(TDaubWindow& window);
void ShowLayerImageCommand(TDaubWindow& window);
void ShowCurveSettingsCommand(TDaubWindow& window);
void GuideLineCommand(TDaubWindow& window);

// 変形 (transform_menu.cpp)
void FlipLeftRightCommand(TDaubWindow& window);
void FlipTopBottomCommand(TDaubWindow& window);
void StretchRotateCommand(TDaubWindow& window);
void BlurCommand(TDaubWindow& window);
void ResizeCanvasCommand(TDaubWindow& window);
void TrimCommand(TDaubWindow& window);

// オプション (options_menu.cpp)
void BrushSettingsCommand(TDaubWindow& window);
void SpraySettingsCommand(TDaubWindow& window);
void LoadPaletteCommand(TDaubWindow& window);
void SavePaletteCommand(TDaubWindow& window);

// ヘルプ (help_menu.cpp)
void AboutCommand(TDaubWindow& window);

}  // namespace daub
