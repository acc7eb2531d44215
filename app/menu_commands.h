#pragma once

namespace daub {

class TDaubWindow;

// The actions of the command table, by menu; each in the file of its menu.

// ファイル (file_menu.cpp)
void NewCommand(TDaubWindow& window);
void CloseCommand(TDaubWindow& window);

// 編集 (edit_menu.cpp)
void UndoCommand(TDaubWindow& window);
void RedoCommand(TDaubWindow& window);

// 表示 (view_menu.cpp)
void ShowToolboxCommand(TDaubWindow& window);
void ShowColourBoxCommand(TDaubWindow& window);
void ShowLayerImageCommand(TDaubWindow& window);
void ShowCurveSettingsCommand(TDaubWindow& window);
void GuideLineCommand(TDaubWindow& window);

// 変形 (transform_menu.cpp)
void BlurCommand(TDaubWindow& window);

// オプション (options_menu.cpp)
void BrushSettingsCommand(TDaubWindow& window);
void SpraySettingsCommand(TDaubWindow& window);

// ヘルプ (help_menu.cpp)
void AboutCommand(TDaubWindow& window);

}  // namespace daub
