#pragma once

// The texts that the core and the command line show: read and drawing
// failures, refused views and the read-outs of the line plots. The windows'
// own texts are in ui/Messages.h.

namespace ruvo::messages {

// Reading result files, by kind.
inline constexpr char kGridReadError[] = "ファイル書き込み中かグリッドデータが違うよ。";
inline constexpr char kVectorReadError[] = "計算出力結果書き込み中";
inline constexpr char kScalarReadError[] = "計算出力結果書き込み中!";

// Why a file was not read or written: only regular files are (a symbolic
// link to one is followed).
inline constexpr char kNotRegularFile[] = "it is not a regular file but a folder, pipe or device";
inline constexpr char kNoHeaderDetail[] =
    "the file does not start with the four integers of a header: it is no grid, vector or scalar file";
inline constexpr char kProjectTooLarge[] = "it would be larger than %1 MB, more than a project file can hold";

// The command line on a view it cannot open.
inline constexpr char kNoGridFileNamed[] = "The project names no grid file.";
inline constexpr char kPlot3dLayoutUsage[] =
    "--plot3d takes comma-separated words, one of each pair: ascii|binary, records|stream, little|big, "
    "single|double, one-block|multi-block";
inline constexpr char kNoFileAtPosition[] = "The project has no %1 file at list position %2.";
inline constexpr char kBaseNameOfOtherKind[] =
    "%1: a file of the other kind with the same base name is open already; vector and scalar files need names of "
    "their own.";

// A conversion's range fixed for the whole series, in its log and on the command line; + "MIN .. MAX".
inline constexpr char kSeriesRangeUsed[] = "value range of the series: ";

// Drawing.
inline constexpr char kRedrawError[] =
    "2度目のエラーなら再起動してください！ファイルが正常に読み込まれていないかもしれません。";
inline constexpr char kAllZeroVectors[] = "ファイルが正しく読み込めていないぞ！プロジェクトを作り直して下さい｡";

// Project.
inline constexpr char kUntitledProject[] = "(無題).RVP";
inline constexpr char kNoProjectCaption[] = "Ruvo-プロジェクトを新規作成または読み込んで下さい";

// Opening views beyond the tables.
inline constexpr char kTooManyViews[] = "ビューウインドウは100個までしか開けません。";
inline constexpr char kTooManyNames[] = "1つのプロジェクトで表示できるファイルは20種類までです。";
inline constexpr char kNoDataSlot[] = "このファイルを読み込むデータ領域がありません。";

}  // namespace ruvo::messages

namespace ruvo::messages {

// Read-outs of the line plots and their markers in the status boxes; each
// prefix is followed by its value.
inline constexpr char kLineReadoutI[] = "i=";
inline constexpr char kLineReadoutJ[] = "j=";
inline constexpr char kLineReadoutGridX[] = "grid_x=";
inline constexpr char kLineReadoutGridY[] = "grid_y=";
inline constexpr char kLineReadoutVx[] = "Vx=";
inline constexpr char kLineReadoutVy[] = "Vy=";
inline constexpr char kLineReadoutS[] = "S=";
inline constexpr char kLineReadoutVerticalMax[] = "縦大";
inline constexpr char kLineReadoutVerticalMin[] = "縦小";
inline constexpr char kLineReadoutSMax[] = "S大";
inline constexpr char kLineReadoutSMin[] = "S小";
inline constexpr char kLineReadoutAxisMax[] = "軸大=";
inline constexpr char kLineReadoutAxisMin[] = "軸小=";
inline constexpr char kLineReadoutSMaxIs[] = "S大=";

}  // namespace ruvo::messages

// The definition labels of the range dialog: where each end lies against
// the data of the drawing area. %1 and %2 are values with eight decimals.
namespace ruvo::messages {

inline constexpr char kMaxOutside[] = "Max:定義域外: %1以上→ (%2)";  // data maximum, maximum
inline constexpr char kMaxInside[] = "Max:定義範囲: %1 < %2";        // minimum, data maximum
inline constexpr char kMinOutside[] = "Min:定義域外: %1以下→ (%2)";  // data minimum, minimum
inline constexpr char kMinInside[] = "Min:定義範囲: %1 < %2";        // data minimum, minimum

}  // namespace ruvo::messages

namespace ruvo::messages {

// Read-outs of the mouse probe and the keyboard cursor: the node's indexes.
// The boxes after them show what the line plots' read-outs show.
inline constexpr char kProbeReadoutI[] = " i=";
inline constexpr char kProbeReadoutJ[] = " j= ";

}  // namespace ruvo::messages
