// Every text the stand-in host shows on its command line, in one place, so that a
// wording can be changed once for all commands. Prompts end with the blank the
// host leaves for the answer.
#pragma once

#include <string>
#include <string_view>

namespace kv::sim::text {

// Idle prompt and cancel word; an older host shows these and the object-selection prompt
// in half-width katakana (a host option).
inline constexpr std::string_view kIdle = "コマンド: ";
inline constexpr std::string_view kIdleHalfWidth = "ｺﾏﾝﾄﾞ: ";
inline constexpr std::string_view kCancelled = "*キャンセル*";
inline constexpr std::string_view kCancelledHalfWidth = "*ｷｬﾝｾﾙ*";
inline constexpr std::string_view kTransparentPrefix = ">>";

// LINE and PLINE.
inline constexpr std::string_view kLineFirst = "1 点目を指定: ";
inline constexpr std::string_view kLineNext = "次の点を指定 または [元に戻す(U)]: ";
inline constexpr std::string_view kLineNextClose = "次の点を指定 または [閉じる(C)/元に戻す(U)]: ";
inline constexpr std::string_view kPlineStart = "始点を指定: ";
inline constexpr std::string_view kPlineWidthNote = "現在の線幅は 0.0000";
inline constexpr std::string_view kPlineNext =
    "次の点を指定 または [円弧(A)/2 分の 1 幅(H)/長さ(L)/元に戻す(U)/幅(W)]: ";

// Object selection.
inline constexpr std::string_view kSelectObjects = "オブジェクトを選択: ";
inline constexpr std::string_view kSelectObjectsHalfWidth = "ｵﾌﾞｼﾞｪｸﾄを選択: ";
inline constexpr std::string_view kFoundPrefix = "認識された数: ";
inline constexpr std::string_view kTotalPrefix = "、総数 ";
inline constexpr std::string_view kFenceFirst = "フェンスの 1 点目: ";
inline constexpr std::string_view kFenceNext = "線分の端点を指定 または [元に戻す(U)]: ";
inline constexpr std::string_view kFirstCorner = "最初のコーナーを指定: ";
inline constexpr std::string_view kOtherCorner = "もう一方のコーナーを指定: ";
inline constexpr std::string_view kNearest = "近接点: ";
inline constexpr std::string_view kInvalidSelection = "*無効な選択*";
inline constexpr std::string_view kSelectionHelp =
    "点 または 窓(W)/最後(L)/交差(C)/すべて(ALL)/フェンス(F)/前回(P)/一点(SI) が必要です。";
inline constexpr std::string_view kNoObjectFound = "オブジェクトが見つかりません。";

// ID and system variables.
inline constexpr std::string_view kIdPoint = "点を指定: ";
inline constexpr std::string_view kNewValueInfix = " の新しい値を入力 <";
inline constexpr std::string_view kNewValueSuffix = ">: ";
inline constexpr std::string_view kReadOnlySuffix = " (読み込み専用)";

// DXFOUT.
inline constexpr std::string_view kDxfFileName = "ファイル名を入力 <";
inline constexpr std::string_view kDxfDefaultName = "Drawing1.dxf";
inline constexpr std::string_view kDxfPrecision =
    "精度の小数点以下の桁数を入力 (0 ～ 16) または [オブジェクト(O)/バージョン(V)/バイナリ(B)] <16>: ";
inline constexpr std::string_view kDxfVersion = "DXF のバージョンを入力 [R12/2000] <2000>: ";
inline constexpr std::string_view kDxfBinaryUnsupported = "バイナリ DXF は書き出せません。";
inline constexpr std::string_view kDxfWriteFailed = "ファイルに書き込めません: ";

// -INSERT.
inline constexpr std::string_view kInsertName = "ブロック名を入力 または [?]: ";
inline constexpr std::string_view kInsertPoint = "挿入位置を指定 または [基点(B)/尺度(S)/X/Y/Z/回転(R)]: ";
inline constexpr std::string_view kInsertXScale = "X 方向の尺度を入力、対角点を指定、または [コーナー(C)/XYZ] <1>: ";
inline constexpr std::string_view kInsertYScale = "Y 方向の尺度を入力 <X 方向の尺度を使用>: ";
inline constexpr std::string_view kInsertRotation = "回転角度を指定 <0>: ";
inline constexpr std::string_view kInsertScale = "尺度を入力 <1>: ";
inline constexpr std::string_view kInsertPresetScale = "全体の尺度を指定 <1>: ";
inline constexpr std::string_view kInsertPresetX = "X 方向の尺度を指定 <1>: ";
inline constexpr std::string_view kInsertPresetY = "Y 方向の尺度を指定 <1>: ";
inline constexpr std::string_view kInsertPresetZ = "Z 方向の尺度を指定 <1>: ";
inline constexpr std::string_view kInsertPresetRotation = "挿入回転角度を指定 <0>: ";
inline constexpr std::string_view kInsertBasePoint = "基点を指定: ";
inline constexpr std::string_view kInsertBlockList = "定義されているブロック:";
inline constexpr std::string_view kInsertNotFound = "ブロックまたはファイルが見つかりません: ";
inline constexpr std::string_view kInsertBadFile = "DXF ファイルを読み込めません: ";

// UNDO.
inline constexpr std::string_view kUndo =
    "元に戻す操作の数を入力 または [自動(A)/コントロール(C)/開始(BE)/終了(E)/マーク(M)/後退(B)] <1>: ";
inline constexpr std::string_view kUndoAll = "すべての操作が取り消されます。よろしいですか? <Y>: ";
inline constexpr std::string_view kUndoNothing = "元に戻す操作はありません。";
inline constexpr std::string_view kUndoMarkReached = "マークに達しました";

// MOVE, COPY, STRETCH.
inline constexpr std::string_view kBasePoint = "基点を指定 または [変位(D)] <変位>: ";
inline constexpr std::string_view kSecondPoint = "目的点を指定 または <1 点目を変位として使用>: ";
inline constexpr std::string_view kDisplacement = "変位を指定 <0.0000, 0.0000, 0.0000>: ";
inline constexpr std::string_view kStretchIntro = "交差窓または交差ポリゴンで、ストレッチするオブジェクトを選択...";

// BREAK.
inline constexpr std::string_view kBreakSecond = "2 点目を指定 または [1 点目(F)]: ";
inline constexpr std::string_view kBreakFirstPoint = "1 点目を指定: ";
inline constexpr std::string_view kBreakSecondPoint = "2 点目を指定: ";
inline constexpr std::string_view kCannotBreak = "このオブジェクトは部分削除できません。";

// FILLET.
inline constexpr std::string_view kFilletSettings = "現在の設定: モード = トリム, 半径 = ";
inline constexpr std::string_view kFilletFirst = "最初のオブジェクトを選択 または [ポリライン(P)/半径(R)/トリム(T)]: ";
inline constexpr std::string_view kFilletSecond = "2 つ目のオブジェクトを選択: ";
inline constexpr std::string_view kFilletPolyline = "2D ポリラインを選択: ";
inline constexpr std::string_view kFilletRadius = "フィレット半径を指定 <";
inline constexpr std::string_view kFilletDone = " 本の線分がフィレットされました";
inline constexpr std::string_view kFilletNotPolyline = "ポリラインではありません。";
inline constexpr std::string_view kFilletCannot = "これらのオブジェクトはフィレットできません。";
inline constexpr std::string_view kFilletParallel = "平行な線分はフィレットできません。";
inline constexpr std::string_view kFilletTooLarge = "半径が大きすぎます。";

// PEDIT.
inline constexpr std::string_view kPeditSelect = "ポリラインを選択 または [複数(M)]: ";
inline constexpr std::string_view kPeditConvert =
    "選択されたオブジェクトはポリラインではありません。ポリラインに変換しますか? <Y> ";
inline constexpr std::string_view kPeditOptionsClosed =
    "オプションを入力 [開く(O)/結合(J)/幅(W)/頂点編集(E)/スプライン(S)/スプライン解除(D)/線種生成(L)/元に戻す(U)]: ";
inline constexpr std::string_view kPeditOptionsOpen =
    "オプションを入力 [閉じる(C)/結合(J)/幅(W)/頂点編集(E)/スプライン(S)/スプライン解除(D)/線種生成(L)/元に戻す(U)]: ";
inline constexpr std::string_view kPeditJoined = " 本のセグメントがポリラインに追加されました";
inline constexpr std::string_view kPeditCannotConvert = "このオブジェクトはポリラインに変換できません。";

// EXPLODE.
inline constexpr std::string_view kCannotExplode = "分解できないオブジェクトです。";

// -LAYER.
inline constexpr std::string_view kLayerOptions =
    "オプションを入力 [?/作成(M)/設定(S)/新規作成(N)/オン(ON)/オフ(OFF)/色(C)/線種(L)/フリーズ(F)/フリーズ解除(T)]: ";
inline constexpr std::string_view kLayerMake = "作成する画層名を入力 <";
inline constexpr std::string_view kLayerSet = "現在にする画層名を入力 または <そのまま>: ";
inline constexpr std::string_view kLayerNew = "新規作成する画層名を入力: ";
inline constexpr std::string_view kLayerNames = "画層名を入力: ";
inline constexpr std::string_view kLayerColor = "色番号または標準色の名前を入力: ";
inline constexpr std::string_view kLayerLinetype = "ロードした線種名を入力 または [?] <CONTINUOUS>: ";
inline constexpr std::string_view kLayerNotFound = "画層が見つかりません: ";
inline constexpr std::string_view kLayerFrozenCurrent = "現在の画層はフリーズできません。";

// -PURGE.
inline constexpr std::string_view kPurgeType =
    "名前削除する未使用オブジェクトの種類を入力 [ブロック(B)/画層(LA)/線種(LT)/文字スタイル(ST)/すべて(A)]: ";
inline constexpr std::string_view kPurgeNames = "名前削除する名前を入力 <*>: ";
inline constexpr std::string_view kPurgeVerify = "各名前を確認しますか? [はい(Y)/いいえ(N)] <Y>: ";
inline constexpr std::string_view kPurgeOne = "名前削除しますか? ";
inline constexpr std::string_view kPurgeNothing = "名前削除する未使用の名前はありません。";

// SCRIPT.
inline constexpr std::string_view kScriptName = "スクリプト ファイル名を入力 <Drawing1.scr>: ";
inline constexpr std::string_view kScriptNotFound = "スクリプト ファイルが見つかりません: ";
inline constexpr std::string_view kScriptTooDeep = "スクリプトの呼び出しが多すぎます。";

// Errors of input.
inline constexpr std::string_view kUnknownCommandPrefix = "不明なコマンド \"";
inline constexpr std::string_view kUnknownCommandSuffix = "\"。 F1 キーを押してヘルプを参照してください。";
inline constexpr std::string_view kNotTransparent = "** このコマンドは透過的に使用できません **";
inline constexpr std::string_view kNoNesting = "** 透過コマンドの入れ子はできません **";
inline constexpr std::string_view kPointRequired = "点またはオプション キーワードが必要です。";
inline constexpr std::string_view kNumberRequired = "数値が必要です。";
inline constexpr std::string_view kIntegerRequired = "整数値が必要です。";
inline constexpr std::string_view kKeywordRequired = "無効なオプション キーワードです。";
inline constexpr std::string_view kValueRangePrefix = "値は ";
inline constexpr std::string_view kValueRangeInfix = " から ";
inline constexpr std::string_view kValueRangeSuffix = " の範囲でなければなりません。";
inline constexpr std::string_view kPositiveRequired = "0 より大きい値が必要です。";
inline constexpr std::string_view kNonZeroRequired = "0 以外の値が必要です。";
inline constexpr std::string_view kNonNegativeRequired = "0 以上の値が必要です。";
inline constexpr std::string_view kColorRequired = "色番号 (0 ～ 256) または色の名前が必要です。";
inline constexpr std::string_view kLinetypeNotLoaded = "線種がロードされていません: ";
inline constexpr std::string_view kCommandFailed = "*エラー* ";

}  // namespace kv::sim::text
