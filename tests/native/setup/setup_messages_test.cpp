#include "setup/core/setup_messages.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

// The trader reads these word for word: each box's text and caption, byte for byte.
TEST(SetupMessages, TextsAndCaptionsOfTheRun) {
  struct Expected {
    const SetupMessage& message;
    const char* text;
    const char* caption;
  };
  const Expected expected[] = {
      {kNeedPsapi,
       "このSetupを実行するには「psapi.dll」が必要です！\nネット上からダウンロードされて下さい",
       "「psapi.dll」が必要"},
      {kVersionUnknown, "Windowsのバージョンが特定できません！", "Windowsのバージョン不明"},
      {kReady,
       "「トレードQuorvexStd」セットアップを実行します、\nインストールするメタトレーダー４のみ＜１"
       "つだけ起動＞して下さい\n準備ＯＫですか？",
       "準備ＯＫ？"},
      {kNoTerminal, "メタトレーダー４がまだ起動されていません！\n起動後再実行されて下さい",
       "「メタトレーダー4」が未起動"},
      {kSeveralTerminals,
       "メタトレーダー４が＜複数起動＞しています\nインストールするメタトレーダー４のみ\n＜１つだけ"
       "＞にして再実行されて下さい",
       "「メタトレーダー4」が未起動"},
      {kNoDataFolder, "データーパスを見つけられません\n手動でセットアップして下さい",
       "セットアップ不可"},
      {kNothingToInstall, "コピーするEA（ex4、dllなど）がありません！", "セットアップ中止"},
      {kRestartTerminal,
       "メタトレーダー４（MT4）が起動中はDLLなど一部のEAがコピー出来ないので\n一旦MT4を終了して"
       "もいいですか？\n（あとで自動で再起動します）",
       "メタトレーダー４再起動？"},
      {kStopped, "セットアップを中止しました！", "セットアップ中止"},
      {kFinished, "セットアップは終了しました\nこのセットアップ（SetupQuorvex）を終了しますか？",
       "セットアップ終了しますか？"},
  };
  for (const Expected& e : expected) {
    EXPECT_EQ(e.message.text, e.text);
    EXPECT_EQ(e.message.caption, e.caption) << e.text;
  }
  const SetupMessage refused = VersionRefused("Windows 2000");
  EXPECT_EQ(refused.text,
            "このバージョンの「Windows 2000」にはセットアップは使用できません\n手動でセットアップさ"
            "れて下さい");
  EXPECT_EQ(refused.caption, "セットアップ不可");
  const SetupMessage overwrite = OverwriteQuestion("表.dll");
  EXPECT_EQ(overwrite.text, "「表.dll」コピー先に存在しています\n上書きしてもいいですか？");
  EXPECT_EQ(overwrite.caption, "上書きの確認！");
}

}  // namespace
}  // namespace setup
