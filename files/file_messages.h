#pragma once

namespace daub {

// The texts of the layer definition and palette files; their boxes have the caption "エラー"
// and belong to the main window.
inline constexpr char kFileErrorCaption[] = "エラー";
inline constexpr char kFileReadFailedText[] = "ファイルの読み込みに失敗しました。";
inline constexpr char kFileWriteFailedText[] = "ファイルの書き込みに失敗しました。";
inline constexpr char kNotPaletteText[] = "パレットファイルではありません。";
// Shown under the application's name, as the layer window shows it.
inline constexpr char kLayerLimitText[] = "レイヤーの数は最大です。";

}  // namespace daub
