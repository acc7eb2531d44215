#pragma once

namespace daub {

// The texts the BMP operations show; every box has the caption "error".
inline constexpr char kBmpErrorCaption[] = "error";
inline constexpr char kBmpNoPathText[] = "No File!!";
inline constexpr char kBmpNotFoundText[] = "ビットマップファイルが見つかりません。";
inline constexpr char kBmpNotBitmapText[] = "ビットマップファイルではありません。";
inline constexpr char kBmpUnsupportedText[] = "この形式のビットマップは読み込めません。";
inline constexpr char kBmpTooLargeText[] = "画像が大きすぎて読み込めません。";
inline constexpr char kBmpDamagedText[] = "ビットマップファイルが壊れています。";
inline constexpr char kBmpNoMemoryText[] = "メモリが足りないため読み込めません。";
inline constexpr char kBmpSaveFailedText[] = "保存に失敗しました。";

}  // namespace daub
