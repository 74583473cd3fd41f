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

// The desktop program's windows: main window, view windows, project dialog,
// help and about box.
namespace ruvo::messages {

inline constexpr char kApplicationTitle[] = "RuvoVer1.1β5";
inline constexpr char kMainFormCaption[] = "Ruvo_Main_Form";
inline constexpr char kProjectCaptionPrefix[] = "Ruvo - ";

// Titles of the message boxes, by kind.
inline constexpr char kWarningTitle[] = "警告";
inline constexpr char kErrorTitle[] = "エラー";

// Main menu.
inline constexpr char kFileMenu[] = "ファイル(&F)";
inline constexpr char kSequentialChangeSave[] = "Sequeintialフィイルの変換保存(&S)";
inline constexpr char kExit[] = "終了(&X)";
inline constexpr char kProjectMenu[] = "プロジェクト(&P)";
inline constexpr char kNewProject[] = "新規作成 (&N)";
inline constexpr char kOpenProject[] = "開く(&O)";
inline constexpr char kProjectOverwrite[] = "上書き保存(&S)";
inline constexpr char kProjectSaveAs[] = "名前を付けて保存(&A)";
inline constexpr char kProjectFileAddDelete[] = "ファイルの削除と追加(&F)";
inline constexpr char kCloseProject[] = "閉じる(&C)";
inline constexpr char kWindowMenu[] = "ウインドウ(&W)";
inline constexpr char kCascadeWindows[] = "重ねて表示(&C)";
inline constexpr char kTileHorizon[] = "上下に並べて表示(&T)";
inline constexpr char kTileVertical[] = "左右に並べて表示(&V)";
inline constexpr char kArrangeIcons[] = "アイコンの整列(&A)";
inline constexpr char kHelpAccel[] = "ヘルプ(&H)";  // the Help menu and the project dialog's button
inline constexpr char kHelpContents[] = "目次(&I)";
inline constexpr char kHelpSearch[] = "ﾄﾋﾟｯｸの検索(&H)";
inline constexpr char kAbout[] = "ﾊﾞｰｼﾞｮﾝ情報(&A)";
inline constexpr char kDiagnostics[] = "診断情報(&D)";
inline constexpr char kDiagnosticsTitle[] = "診断情報";

// Tool buttons: hints (tool tips) and captions.
inline constexpr char kNewProjectHint[] = "ﾌﾟﾛｼﾞｪｸﾄ新規作成";
inline constexpr char kOpenProjectHint[] = "ﾌﾟﾛｼﾞｪｸﾄ開く";
inline constexpr char kOpenSequentialHint[] = "Sequential変換保存";
inline constexpr char kSaveOverwriteHint[] = "ﾌﾟﾛｼﾞｪｸﾄの保存";
inline constexpr char kPrint[] = "印刷";
inline constexpr char kMagniUpHint[] = "20%拡大";
inline constexpr char kMagniDownHint[] = "20%縮小";
inline constexpr char kWholeShowHint[] = "全体表示(1倍)";
inline constexpr char kWholeShowCaption[] = "全";
inline constexpr char kHelpHint[] = "ヘルプ";
inline constexpr char kFollowHint[] = "ファイル追尾モード";
inline constexpr char kFollowCaption[] = "追尾";
inline constexpr char kSqStartHint[] = "シーケンシャルファイルの変換保存";
inline constexpr char kSqStartCaption[] = "変換保存ダイアログ(&H)";
inline constexpr char kFollowTimeHint[] = "次回アップデートまでの残り時間を示しています。";

// Right-hand panel and status panel.
inline constexpr char kGridAccel[] = "グリッド(&G)";      // the grid list and the grid kind
inline constexpr char kVectorAccel[] = "ベクトル(&V)";    // the vector list and the vector kind
inline constexpr char kScalarAccel[] = "スカラー(&S)";    // the scalar list and the scalar kind
inline constexpr char kKBModeText[] = "KB範囲選択可";

// Project commands.
inline constexpr char kSavePromptBefore[] = "プロジェクト ";  // + project_file_name +
inline constexpr char kSavePromptAfter[] = " を保存しますか?";
inline constexpr char kProjectFileFilter[] = "Ruvo プロジェクトファイル(*.RVP)";
inline constexpr char kProjectSaveTitle[] = "プロジェクト - 名前を付けて保存";
inline constexpr char kProjectOpenTitle[] = "開く";
inline constexpr char kProjectReadFailed[] = "プロジェクトファイルを読み込めません。";   // + the system's reason
inline constexpr char kProjectWriteFailed[] = "プロジェクトファイルを保存できません。";  // + the system's reason

// Project dialog.
inline constexpr char kProjectDialogCaptionBefore[] = "ファイルの追加と削除 - プロジェクト[";  // + base name +
inline constexpr char kProjectDialogCaptionAfter[] = "]";
inline constexpr char kFolderLabel[] = "フォルダ(&L)：";
inline constexpr char kFileNameLabel[] = "ファイル(&F)：";
inline constexpr char kDriveLabel[] = "ドライブ(&R)：";
inline constexpr char kFileFilterLabel[] = "ファイルフィルタ(&T)：";
inline constexpr char kKindGroup[] = "ファイルの種類(&K)";
inline constexpr char kKindOther[] = "その他(&E)";
inline constexpr char kAddButton[] = "追加(&A)→";
inline constexpr char kDeleteButton[] = "←削除(&D)";
inline constexpr char kProjectListLabel[] = "プロジェクト(&P)：";
inline constexpr char kGridKind[] = "グリッド";
inline constexpr char kVectorKind[] = "ベクトル";
inline constexpr char kScalarKind[] = "スカラー";
inline constexpr char kOkButton[] = "&OK";
inline constexpr char kCancelButton[] = "キャンセル(&C)";
inline constexpr char kGridFilter[] = "グリッドファイル(*.DAT;*.D;*.GRD)";
inline constexpr char kVectorFilter[] = "ベクトルファイル(*.DAT;*.D;*.V)";
inline constexpr char kScalarFilter[] = "スカラーファイル(*.DAT;*.D;*.P;*.K;*.E)";
inline constexpr char kAllFilesFilter[] = "すべてのファイル(*.*)";
inline constexpr char kAllFilesMask[] = "*.*";
inline constexpr char kDriveNotReady[] = "ドライブの準備ができていません";
inline constexpr char kCannotAddMore[] = "これ以上追加できません";
inline constexpr char kChooseKindFirst[] = "「その他」以外の種類を選択してから「追加」ボタンを押して下さい";
inline constexpr char kGridRequired[] = "グリッドファイルをプロジェクトに追加してください";

// Help viewer and about box.
inline constexpr char kHelpWindowTitle[] = "Ruvo ヘルプ";
inline constexpr char kHelpTopicsLabel[] = "目次(&C)：";
inline constexpr char kHelpSearchLabel[] = "トピックの検索(&S)：";
inline constexpr char kHelpNotFound[] = "ヘルプページが見つかりません。探したフォルダ：";  // + the folders
inline constexpr char kAboutTitle[] = "バージョン情報";
inline constexpr char kAboutDescription[] = "2次元CFD計算結果ビューア";
inline constexpr char kAboutOk[] = "OK";

}  // namespace ruvo::messages
