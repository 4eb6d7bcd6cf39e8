// What the set-up program says to the trader: the texts and captions of its message boxes.
#pragma once

#include <string>

namespace setup {

struct SetupMessage {
  std::string text;
  std::string caption;
};

inline constexpr char kStopCaption[] = "セットアップ中止";
inline constexpr char kNotRunningCaption[] = "「メタトレーダー4」が未起動";
inline constexpr char kCannotSetUpCaption[] = "セットアップ不可";
inline constexpr char kFinishedCaption[] = "セットアップ終了しますか？";

inline const SetupMessage kNeedPsapi = {
    "このSetupを実行するには「psapi.dll」が必要です！\nネット上からダウンロードされて下さい",
    "「psapi.dll」が必要"};
inline const SetupMessage kVersionUnknown = {"Windowsのバージョンが特定できません！",
                                             "Windowsのバージョン不明"};
inline const SetupMessage kReady = {
    "「トレードQuorvexStd」セットアップを実行します、\nインストールするメタトレーダー４のみ＜１つだ"
    "け"
    "起動＞して下さい\n準備ＯＫですか？",
    "準備ＯＫ？"};
inline const SetupMessage kNoTerminal = {
    "メタトレーダー４がまだ起動されていません！\n起動後再実行されて下さい", kNotRunningCaption};
inline const SetupMessage kSeveralTerminals = {
    "メタトレーダー４が＜複数起動＞しています\nインストールするメタトレーダー４のみ\n＜１つだけ＞"
    "にして再実行されて下さい",
    kNotRunningCaption};
inline const SetupMessage kNoDataFolder = {
    "データーパスを見つけられません\n手動でセットアップして下さい", kCannotSetUpCaption};
inline const SetupMessage kNothingToInstall = {"コピーするEA（ex4、dllなど）がありません！",
                                               kStopCaption};
inline const SetupMessage kRestartTerminal = {
    "メタトレーダー４（MT4）が起動中はDLLなど一部のEAがコピー出来ないので\n一旦MT4を終了しても"
    "いいですか？\n（あとで自動で再起動します）",
    "メタトレーダー４再起動？"};
inline const SetupMessage kStopped = {"セットアップを中止しました！", kStopCaption};
// The terminal was asked to close and is still running: nothing was copied.
inline const SetupMessage kTerminalStillRunning = {
    "メタトレーダー４が終了しませんでした\nファイルはコピーしていません\nMT4を終了してから再実行"
    "されて下さい",
    kStopCaption};
inline const SetupMessage kFinished = {
    "セットアップは終了しました\nこのセットアップ（SetupQuorvex）を終了しますか？",
    kFinishedCaption};
// The closing question when the terminal did not start again: nothing claims success, and the
// trader knows to start it.
inline const SetupMessage kFinishedTerminalNotStarted = {
    "セットアップの作業は終わりましたが\nメタトレーダー４を再起動できませんでした\n手動でMT4を起動"
    "して下さい\nこのセットアップ（SetupQuorvex）を終了しますか？",
    kFinishedCaption};
inline const SetupMessage kRecordTerminal = {
    "「QuorvexPro」の設定ファイル「TradeQuorvexPro.ini」に\nこのMT4を使用するファルダーに設定します"
    "か？",
    "QuorvexProの設定ファイル"};

// The report in a box, when its file cannot be written: the trader still learns which files
// were not installed. Captioned as the file would have been named.
SetupMessage ReportMessage(const std::string& reportText);
// The refusal of a Windows version, naming it.
SetupMessage VersionRefused(const std::string& versionName);
// The question before a file of the data folder is overwritten.
SetupMessage OverwriteQuestion(const std::string& fileName);

}  // namespace setup
