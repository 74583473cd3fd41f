#pragma once

// Every text the program shows to its users, in one place.

namespace ruvo::messages {

// Reading result files, by kind.
inline constexpr char kGridReadError[] = "ファイル書き込み中かグリッドデータが違うよ。";
inline constexpr char kVectorReadError[] = "計算出力結果書き込み中";
inline constexpr char kScalarReadError[] = "計算出力結果書き込み中!";

// Drawing.
inline constexpr char kRedrawError[] =
    "2度目のエラーなら再起動してください！ファイルが正常に読み込まれていないかもしれません。";
inline constexpr char kAllZeroVectors[] =
    "ファイルが正しく読み込めていないぞ！プロジェクトを作り直して下さい｡";

// Project.
inline constexpr char kUntitledProject[] = "(無題).RVP";
inline constexpr char kNoProjectCaption[] = "Ruvo-プロジェクトを新規作成または読み込んで下さい";

// Opening views beyond the tables.
inline constexpr char kTooManyViews[] = "ビューウインドウは100個までしか開けません。";
inline constexpr char kTooManyNames[] = "1つのプロジェクトで表示できるファイルは20種類までです。";
inline constexpr char kNoDataSlot[] = "このファイルを読み込むデータ領域がありません。";

}  // namespace ruvo::messages
