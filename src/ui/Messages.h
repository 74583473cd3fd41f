#pragma once

// Every text the windows show to their users, in one place; the texts the
// core shares with the command line are in Texts.h.

#include "Texts.h"

// The desktop program's windows: main window, view windows, project dialog,
// help and about box.
namespace ruvo::messages {

inline constexpr char kApplicationTitle[] = "RuvoVer1.1β5";
// The desktop program's --help.
inline constexpr char kCommandLineDescription[] =
    "Ruvo: a viewer for the results of two-dimensional CFD calculations on structured grids.";
inline constexpr char kCommandLineProject[] =
    "The project file to open (a path with blanks may come in pieces), or a CGNS (.cgns), PLOT3D (.x, .xyz, .g "
    "with its .q) or VTK (.vtk, .vts) file to open as a project of its fields.";
inline constexpr char kCommandLinePlot3d[] =
    "How PLOT3D files are laid out where the file leaves it open: comma-separated words of ascii|binary, "
    "records|stream, little|big, single|double, one-block|multi-block.";
inline constexpr char kMainFormCaption[] = "Ruvo_Main_Form";
inline constexpr char kProjectCaptionPrefix[] = "Ruvo - ";

// Titles of the message boxes, by kind.
inline constexpr char kWarningTitle[] = "警告";
inline constexpr char kErrorTitle[] = "エラー";

// Main menu.
inline constexpr char kFileMenu[] = "ファイル(&F)";
inline constexpr char kSequentialChangeSave[] = "Sequeintialフィイルの変換保存(&S)";
// The grid and the files read so far as one VTK structured grid, for ParaView.
inline constexpr char kVtsExport[] = "VTK・CGNS 形式の書き出し(&K)...";
inline constexpr char kVtsExportTitle[] = "VTK・CGNS 形式の書き出し";
inline constexpr char kVtsFileFilter[] = "VTK 構造格子(*.vts)";
inline constexpr char kCgnsFileFilter[] = "CGNS(*.cgns)";
inline constexpr char kVtsWriteFailed[] = "ファイルを書き出せません。";  // + the file and the system's reason
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
inline constexpr char kGridAccel[] = "グリッド(&G)";    // the grid list and the grid kind
inline constexpr char kVectorAccel[] = "ベクトル(&V)";  // the vector list and the vector kind
inline constexpr char kScalarAccel[] = "スカラー(&S)";  // the scalar list and the scalar kind
inline constexpr char kKBModeText[] = "KB範囲選択可";

// Project commands.
inline constexpr char kSavePromptBefore[] = "プロジェクト ";  // + project_file_name +
inline constexpr char kSavePromptAfter[] = " を保存しますか?";
inline constexpr char kProjectFileFilter[] = "Ruvo プロジェクトファイル(*.RVP)";
inline constexpr char kProjectSaveTitle[] = "プロジェクト - 名前を付けて保存";
inline constexpr char kProjectOpenTitle[] = "開く";
inline constexpr char kProjectReadFailed[] = "プロジェクトファイルを読み込めません。";  // + the system's reason
// Files of other programs (CGNS, PLOT3D, VTK) opened as projects.
inline constexpr char kStructuredFileFilter[] =
    "CGNS・PLOT3D・VTK 構造格子(*.cgns *.cgn *.x *.xyz *.g *.q *.vtk *.vts)";
inline constexpr char kStructuredReadFailed[] = "このファイルは開けません。";  // + the reader's reason
inline constexpr char kBlockChoiceTitle[] = "ブロックの選択";
inline constexpr char kBlockChoiceLabel[] = "表示するブロック(ゾーン)を選んでください：";
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

// View windows: their menus (Sub_Menu), pop-up menu and warnings.
namespace ruvo::messages {

inline constexpr char kFileSubMenu[] = "ファイル(&F)";
inline constexpr char kSaveAsBitmap[] = "ビットマップファイルとして保存(&B)";
inline constexpr char kCloseFile[] = "ウインドウを閉じる(&C)";
inline constexpr char kCloseAllFile[] = "ウインドウを全て閉じる(&L)";
inline constexpr char kFileGRAFile[] = "GRAファイル出力(&G)";
inline constexpr char kPrinterSetup[] = "プリンタの設定";
inline constexpr char kPrintItem[] = "印刷";
inline constexpr char kPrintPreview[] = "印刷プレビュー(&V)";
inline constexpr char kFitToPage[] = "用紙に合わせる(&F)";  // the print's option and the preview's switch
inline constexpr char kPrintOptions[] = "絵の大きさ";       // the print dialog's tab of it
inline constexpr char kExitRuvo[] = "終了(&X)";
inline constexpr char kBitmapFileFilter[] = " ビットマップ(*.bmp)";  // the leading blank belongs to it
inline constexpr char kBitmapWriteFailed[] =
    "ビットマップファイルを保存できません。";                         // + the path and the system's reason
inline constexpr char kPictureScale[] = "倍率 (ビットマップ、PNG):";  // the save dialog's scale
inline constexpr char kGrafFileFilter[] = "GRAファイル(*.GRA)";
inline constexpr char kGrafWriteFailed[] = "GRAファイルを保存できません。";  // + the path and the system's reason
inline constexpr char kPrintFailed[] = "印刷できません。";                   // + the printer or the file printed to

inline constexpr char kEditSubMenu[] = "編集(&E)";
inline constexpr char kCopy[] = "コピー(&C)";
inline constexpr char kCopyArea[] = "コピー領域の大きさ(&M)";
inline constexpr char kUndo[] = "アンドゥ(&U)";

inline constexpr char kShowSubMenu[] = "表示(&V)";
inline constexpr char kVectorProperty[] = "ベクトル線図(&V)";
inline constexpr char kXDotMode[] = "X Dot Mode(&A)";
inline constexpr char kYDotMode[] = "Y Dot Mode(&D)";
inline constexpr char kArrowShape[] = "鏃の形状(&A)";
inline constexpr char kScalarProperty[] = "スカラー線図(&S)";
inline constexpr char kViewCntrSwitch[] = "等値線(&C)";
inline constexpr char kViewCntrColorSwitch[] = "等値線カラー表示(&C)";
inline constexpr char kViewCntrBrokenSwitch[] = "負の値を破線表示(&N)";
inline constexpr char kViewCntrLabelSwitch[] = "等値線と凡例に数値を表示(&L)";
inline constexpr char kScalarLineWidth[] = "線の太さの変更(&W)";
inline constexpr char kViewCntrBetaSwitch[] = "べた塗り(&B)";
inline constexpr char kBetaColorGraySwitch[] = "Color/GrayScaleの切り替え(&G)";
inline constexpr char kCntrOverlapSwitch[] = "等値線／べた塗りのオーバラップ表示(&C)";
inline constexpr char kVectorOverlapSwitch[] = "ベクトル線図のオーバラップ表示(&V)";
inline constexpr char kViewCntrKEpsilonSwitch[] = "ベクトル全体表示(&K)";
inline constexpr char kViewCntrColumnSwitch[] = "ベクトル表示 縦 <1本ずつ> (&V)";
inline constexpr char kViewCntrRowSwitch[] = "ベクトル表示 横 <1本ずつ> (&H)";
inline constexpr char kViewCntrDetailSwitch[] = "ベクトル表示 詳細 <1本ずつ> (&P)";
inline constexpr char kViewCntrSwitchAxis[] = "X,Yの切り替え(&S)";
inline constexpr char kViewCntrPointSwitch[] = "折れ線ポイント表示 (&O)";
inline constexpr char kViewCntrAutoScaleSwitch[] = "線1本ごとに自動スケール (&A)";
inline constexpr char kViewCntrYScaleSwitch[] = "目盛りの表示(&U)";
inline constexpr char kViewCntrYAxisSwitch[] = "注目していない方の軸の表示(&T)";
inline constexpr char kViewCntrNeglectUp[] = "注目していない方のx,yを増やす(&K)";
inline constexpr char kViewCntrNeglectDown[] = "注目していない方のx,yを減らす(&J)";
inline constexpr char kViewCntrMinUp[] = "最小値のUｐ(&U)";
inline constexpr char kViewCntrMinDefault[] = "最小値を元に戻す(&Q)";
inline constexpr char kViewCntrMaxDown[] = "最大値のDown(&D)";
inline constexpr char kViewCntrMaxDefault[] = "最大値を元に戻す(&X)";
inline constexpr char kViewCntrMaxMinSet[] = "最大値･最小値の指定(&I)";
inline constexpr char kGridProperty[] = "グリッド(&G)";
inline constexpr char kGridOverlapShow[] = "グリッドの表示・非表示(&G)";
inline constexpr char kClosedGridShow[] = "閉じたグリッドの表示(&C)";
inline constexpr char kKeyBoardAreaSelect[] = "キーボードで範囲選択(&K)";
inline constexpr char kNearestNodeProbe[] = "最も近い格子点を読み取る(&N)";
inline constexpr char kShowAll[] = "全体表示(&W)";
inline constexpr char kChangeRatio[] = "縦横比の変更(&R)";
inline constexpr char kFollowModeSwitch[] = "ファイル追尾モード(&F)";

inline constexpr char kOptionSubMenu[] = "オプション(&O)";
inline constexpr char kSpeedButtonsShowHide[] = "スピードボタンの表示･非表示(&T)";
inline constexpr char kEnvironmentSettings[] = "環境設定(&E)";

// The pop-up menu of the picture.
inline constexpr char kPreArea[] = "一つ前の範囲(&P)";
inline constexpr char kAllArea[] = "全体表示(&W)";
inline constexpr char kRatio100[] = "  1倍 (&a)";
inline constexpr char kRatio150[] = "1.5倍 (&b)";
inline constexpr char kRatio200[] = "  2倍 (&c)";
inline constexpr char kRatio300[] = "  3倍 (&d)";
inline constexpr char kRatio500[] = "  5倍 (&e)";
inline constexpr char kRatio800[] = "  8倍 (&f)";

inline constexpr char kNoVectorsToOverlap[] = "オーバラップ表示したいベクトル線図を表示した直後に再描画して下さい｡";

}  // namespace ruvo::messages

// The control panel of the main window.
namespace ruvo::messages {

inline constexpr char kMagnificationCaption[] = "拡大率(&M)：";
inline constexpr char kMagnificationCommitted[] = "拡大率(M)";
inline constexpr char kLineNumberCaption[] = "描画本数(&N)：";
inline constexpr char kLineNumberCommitted[] = "描画本数(N)";
inline constexpr char kRedrawCaption[] = "再描画";  // a change waits for its commit
inline constexpr char kSBDividedCaption[] = "ベタ分割数(&B)：";
inline constexpr char kXGridStepCaption[] = "XGridStep(X)：";
inline constexpr char kYGridStepCaption[] = "YGridStep(&Y)：";
inline constexpr char kXStepCaption[] = "XDotStep(X)：";
inline constexpr char kYStepCaption[] = "YDotStep(Y)：";
inline constexpr char kVectorLengthCaption[] = "矢線の長さ(&L)：";
inline constexpr char kXPosCaption[] = "XPosition(P)：";
inline constexpr char kYPosCaption[] = "YPosition(&P)：";

}  // namespace ruvo::messages

// The range commands of the view windows and the range and style dialogs.
namespace ruvo::messages {

inline constexpr char kInformationTitle[] = "情報";
// %1, %2: the node's indices from 1; %3: the value with seven decimals.
inline constexpr char kMinSetAtNode[] = "最小値は(%1,%2)の%3に設定されました";
inline constexpr char kMaxSetAtNode[] = "最大値は(%1,%2)の%3に設定されました";
inline constexpr char kNoFurtherValue[] = "これ以上の値はありません";
inline constexpr char kNotANumber[] = "数値を入力してください";
inline constexpr char kMaxAtOrBelowMin[] = "現在の最小値以下の値は設定できません";
inline constexpr char kMinAtOrAboveMax[] = "現在の最大値以上の値は設定できません";
// %1, %2: the smallest and the largest ratio.
inline constexpr char kRatioOutOfRange[] = "縦横比は%1以上%2以下の値にしてください";

inline constexpr char kOk[] = "OK";
inline constexpr char kCancelLatin[] = "&Cancel";  // the Latin caption of the dialogs' cancel button
inline constexpr char kMaxMinSetCaption[] = "最大値と最小値の設定";
inline constexpr char kMaxGroup[] = "最大値(&J)";
inline constexpr char kMinGroup[] = "最小値(&K)";
inline constexpr char kChangeRatioCaption[] = "縦横比の変更";
inline constexpr char kLineWidthCaption[] = "線の太さ";
inline constexpr char kArrowShapeCaption[] = "鏃の形状";
inline constexpr char kArrowWidthLabel[] = "鏃の開き：";
inline constexpr char kArrowSpanLabel[] = "鏃の長さ：";

// Follow mode: the set-up dialog and the main window's read-outs.
inline constexpr char kFollowSetupCaption[] = "ファイル追尾モードの設定";
inline constexpr char kTLimitRadio[] = "追尾モード有効時間 (&H)   [時間]  ";
inline constexpr char kTLimitRange[] = "0 < Time Limit < 720";
inline constexpr char kRNumberRadio[] = "保存回数限度 (&N)     [回] ";
inline constexpr char kRNumberRange[] = "1 < Repeat Number < 1000";
inline constexpr char kRTimeRadio[] = "変更チェック間隔 (&M)       [分] ";
inline constexpr char kRTimeRange[] = "1 < Repeat Time < 43";
inline constexpr char kAutoRTime[] = "変更チェック間隔の自動設定(&A)";
inline constexpr char kReadForced[] = "変更チェック時に強制読み込み(&F)";
inline constexpr char kAutoBitmap[] = "ビットマップ画像の自動生成(&B)";
inline constexpr char kFollowSaveLabel[] = "保存先(&S)";
inline constexpr char kFollowBrowse[] = "参照(&R)";
inline constexpr char kVideoMode[] = "VideoMode [640*480dot固定] (&V)";
inline constexpr char kMovieFile[] = "動画ファイルの自動生成 [ビューごとに .mp4] (&D)";
inline constexpr char kMovieFps[] = "コマ/秒(&P)";
inline constexpr char kFollowStart[] = "追尾開始(&S)";
inline constexpr char kFollowStartActive[] = "追尾中";
inline constexpr char kFollowEnd[] = "追尾中止(&Q)";
inline constexpr char kFollowAlert[] = "保存する場合は、ディスク空き容量に注意してください。";
inline constexpr char kFollowAlertWarning[] = "<<警告>> ディスク空き容量に十分注意してください。";
inline constexpr char kEnterInRange[] = "範囲内の数値を入力してください。";
inline constexpr char kEnterReadCount[] = "読み込み回数限度を入力してください｡";
inline constexpr char kEntryError[] = "Error";
inline constexpr char kRestartFollow[] = "もう一度追尾しなおすの?リセットされちゃうよ!";
inline constexpr char kFillEveryItem[] = "全ての項目を入力してください｡";
inline constexpr char kReallyStop[] = "ほんとに?";
inline constexpr char kFollowCloseWarning[] = "追尾中に画面表示を変えると，台無しになるかもしれません｡ご注意を！！";
inline constexpr char kUntilUpdateCheck[] = "UpDate Check まで";
inline constexpr char kSecondsSuffix[] = " 秒";
inline constexpr char kFollowFinished[] = "追尾終了";
inline constexpr char kRereading[] = "再読み込み中";
inline constexpr char kFollowNotDrawn[] = "描画できません：";  // + the view's caption
inline constexpr char kFollowPngBox[] = "PNG形式で保存(&P)";
inline constexpr char kFollowLabelBox[] = "更新番号と時刻を画像に書き込む(&L)";

// Sequential conversion: the choice of the files and the run.
inline constexpr char kSequentialMainCaption[] = "Ruvo - シーケンシャルファイルの変換保存";
inline constexpr char kSequentialDialogCaption[] = "連番ファイルの選択";
inline constexpr char kNotRegistered[] = "(未登録)";
inline constexpr char kOneGridOnly[] = "グリッドは1つしか選択できません";
inline constexpr char kOneDataKindOnly[] = "ベクトルまたはスカラー1種類しか選択できません";
inline constexpr char kBMPSaveLabel[] = "連番画像の保存先(&I)：";
inline constexpr char kBrowseButton[] = "参照(&B)";
inline constexpr char kSequentialBrowseCaption[] = "連番画像ファイルの保存先";
inline constexpr char kSaveFolderInvalid[] = "連番画像ファイル保存先が正しくありません";
inline constexpr char kSqInfoCaption[] = "Sequential_Info";
inline constexpr char kSqStart[] = "変換保存スタート(&S)";
inline constexpr char kSqConverting[] = "変換保存中";
inline constexpr char kSqQuit[] = "変換保存中止(&Q)";
inline constexpr char kCloseButton[] = "閉じる(&C)";  // the follow and conversion dialogs
inline constexpr char kSqFileNameLabel[] = "書き込み中ファイル名：";
inline constexpr char kSqTimeLabel[] = "経 過 時 間：";
inline constexpr char kSqTimeBefore[] = "計算終了 ";  // + the seconds, two decimals
inline constexpr char kReally[] = "ほんとに？";
inline constexpr char kFileFormatWrong[] = "ファイル形式がおかしいよ！";  // + the file and where reading stopped
inline constexpr char kSamePictureName[] = "同じ画像ファイル名になるファイルがあります：";  // + the two files
// %1: the file's header, %2: the view's area, each as "i 0..149, j 0..149".
inline constexpr char kHeaderMissesArea[] =
    "ファイルのヘッダ（%1）にビューの範囲（%2）の節点がすべては含まれていません。";
inline constexpr char kLayoutFailed[] = "描画範囲を画像に配置できません。";
inline constexpr char kValuesNotDrawable[] = "描画できない値（0 の幅や大きすぎる値）があります。";
inline constexpr char kVectorsAllZero[] = "ベクトルがすべて 0 です。";
// The end of a run: %1 pictures saved of %2 files.
inline constexpr char kConversionSummary[] = "%2 個のファイルのうち %1 個の画像を保存しました。";
inline constexpr char kConversionFailures[] = "画像を保存しなかったファイル：";  // + a line a file:
inline constexpr char kFileAndReason[] = "%1：%2";                               // the file's name and why
inline constexpr char kConversionMoreFailures[] = "ほか %1 個";                  // the failures not listed
inline constexpr char kConversionNotReached[] = "変換しなかったファイル（変換が途中で終わったため）：%1 個";
inline constexpr char kConversionLogIn[] = "ファイルごとの結果の記録：";        // + the log's path
inline constexpr char kConversionLogFailed[] = "変換の記録を保存できません。";  // + the path and the system's reason
// How the run writes its pictures.
inline constexpr char kSqPicturesGroup[] = "画像の保存";
inline constexpr char kSqPngBox[] = "PNG形式で保存(&P)";
inline constexpr char kSqNumberedBox[] = "連番の名前で保存 (0001, 0002, …)(&N)";
inline constexpr char kSqLabelBox[] = "ファイル名を画像に書き込む(&L)";
inline constexpr char kSqSeriesRangeBox[] = "全ファイル共通の値の範囲で描く(&R)";
inline constexpr char kSqVideoBox[] = "動画ファイルにも書く(&D)";
inline constexpr char kSqVideoName[] = "ruvo-conversion.mp4";  // in the save folder unless a folder is given
inline constexpr char kSqVideoRefused[] = "この名前の動画ファイルは書けません：";  // + the reason
inline constexpr char kSqVideoFailed[] = "動画ファイルに書き込めませんでした。";   // + path and reason
inline constexpr char kSqVideoWritten[] = "動画ファイル（%1 コマ）：";             // + the path
inline constexpr char kSqRangeMeasuring[] = "全ファイルの値の範囲を調べています…";
inline constexpr char kSqRangeUsed[] = "使用した値の範囲：";  // + "MIN .. MAX"
inline constexpr char kSqRangeNotFixed[] =
    "値の範囲は固定していません\n（ベクトルや線グラフの表示、または読めるファイルなし）。";

// Where the reading of a result file stopped short (ui/ReadDetail).
inline constexpr char kReadEndedEarly[] = "ファイルが途中で終わっています（%1 個の節点のうち %2 個まで）。";
inline constexpr char kReadLastLineCut[] =
    "ファイルの最後の行に改行がありません。最後の値が書き込み途中で切れているかもしれません。";
inline constexpr char kReadCannotOpen[] = "ファイルを開けません：";   // + the system's reason
inline constexpr char kReadNotRead[] = "ファイルを読み込みません：";  // + why
inline constexpr char kProjectNamesNoGrid[] = "プロジェクトにグリッドファイルの名前がありません。";
inline constexpr char kReadNoHeader[] =
    "ファイルの先頭にヘッダ（4 つの整数）がありません。結果ファイルではありません。";
inline constexpr char kReadBadNumber[] = "%1 行目：「%2」は正しい形式の数値ではありません。";
inline constexpr char kReadHeaderOutOfRange[] = "%1 行目：ヘッダの添字 %2 が 0～%3 の範囲外です。";
inline constexpr char kReadTooManyNodes[] = "%1 行目：ヘッダの求める %2 個の節点の表はメモリに収まりません。";

}  // namespace ruvo::messages
