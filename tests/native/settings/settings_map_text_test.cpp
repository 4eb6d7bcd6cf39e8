#include "settings/core/settings_map_text.h"

#include <gtest/gtest.h>

using namespace settings;

namespace {

ControlValues EmptyControls() {
  ControlValues values;
  for (int row = 0; row < kSettingRowCount; ++row)
    if (IsCheckBoxRow(row)) values[row] = "0";
  return values;
}

TEST(SettingsMapText, AllEmptyControls) {
  const std::string expected =
      "PelmorarSetting\r\nSemiAutoTrade=0\r\nBeginningOnlyBuySell=0\r\nIndividualLossCut=0\r\n"
      "TrailOrder=0\r\nRikakuMode=0\r\nTrailMA=\r\nTrailOn=\r\nTrailSL=\r\nRikakuBairits=\r\n"
      "RikakuValue=\r\nNanpin1=\r\nNanpin2=\r\nNanpin3=\r\nNanpin4=\r\nNanpin5=\r\nNanpin6=\r\n"
      "Nanpin7=\r\nNanpin8=\r\nNanpin9=\r\nNpDepth1=\r\nNpDepth2=\r\nNpDepth3=\r\nNpDepth4=\r\n"
      "NpDepth5=\r\nNpDepth6=\r\nNpDepth7=\r\nNpDepth8=\r\nNpDepth9=\r\nNpTp0=\r\nNpTp1=\r\n"
      "NpTp2=\r\nNpTp3=\r\nNpTp4=\r\nNpTp5=\r\nNpTp6=\r\nNpTp7=\r\nNpTp8=\r\nNpTp9=\r\n"
      "MaxStoppLimmite=\r\nNpLoss0=\r\nNpLoss1=\r\nNpLoss2=\r\nNpLoss3=\r\nNpLoss4=\r\n"
      "NpLoss5=\r\nNpLoss6=\r\nNpLoss7=\r\nNpLoss8=\r\nNpLoss9=\r\nTradeComment=\r\n"
      "SettingName=\r\nBuiltInTimes=0\r\nDataPath=\r\n";
  EXPECT_EQ(BuildSettingsMapText(EmptyControls(), "", 0, ""), expected);
}

TEST(SettingsMapText, ValuesAsTheControlsHoldThem) {
  ControlValues v = EmptyControls();
  v[kRowTrailOrder] = "1";
  v[kRowTrailSL] = "1.20";
  v[DepthRow(4)] = "-5";
  v[kRowTradeComment] = "表ソ";
  v[kRowAutoTrade] = "2";  // never sent
  const std::string text = BuildSettingsMapText(v, "標準設定", 20, "C:\\data\\");
  EXPECT_NE(text.find("\r\nTrailOrder=1\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nTrailSL=1.20\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nNpDepth4=-5\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nTradeComment=表ソ\r\nSettingName=標準設定\r\nBuiltInTimes=20\r\n"
                      "DataPath=C:\\data\\\r\n"),
            std::string::npos);
  EXPECT_EQ(text.find("\r\nAutoTrade"), std::string::npos);
  EXPECT_NE(BuildSettingsMapText(v, "", 1, "").find("BuiltInTimes=1\r\n"), std::string::npos);
}

TEST(SettingsMapText, OnlyTheWholeTextWithItsZeroByteFits) {
  EXPECT_TRUE(FitsSettingsMap(std::string(2047, 'x'), 2048));
  EXPECT_FALSE(FitsSettingsMap(std::string(2048, 'x'), 2048));
  EXPECT_FALSE(FitsSettingsMap("", 0));
}

TEST(SettingsMapText, TooLongNamesTheLongestValue) {
  auto message = [](const char* name) {
    return "設定が長すぎてＥＡに送信できません！\n「" + std::string(name) + "」を短くしてください";
  };
  ControlValues values = EmptyControls();
  values[kRowTradeComment] = std::string(900, 'c');
  EXPECT_EQ(SettingsTooLongMessage(values, std::string(900, 's')), message("説明"));
  EXPECT_EQ(SettingsTooLongMessage(values, std::string(901, 's')), message("設定名"));
  values[kRowRikakuBairits] = std::string(1000, '5');
  EXPECT_EQ(SettingsTooLongMessage(values, "x"), message("NpTp x"));
}

TEST(SettingsMapText, ReadBackComparesTheSentLines) {
  ControlValues v = EmptyControls();
  v[kRowSemiAutoTrade] = "1";
  v[NanpinRow(3)] = "2.5";
  v[kRowTradeComment] = "c";
  const ReadBackText back = ParseReadBackText(BuildSettingsMapText(v, "A", 1, "D"));
  EXPECT_TRUE(back.header);
  // Every control row but the comment, then the set name.
  ASSERT_EQ(back.entries.size(), 50u);
  EXPECT_EQ(back.entries[0].row, kRowSemiAutoTrade);
  EXPECT_EQ(back.entries[0].value, "1");
  EXPECT_EQ(back.entries.back().row, kReadBackSetName);
  EXPECT_EQ(back.entries.back().value, "A");
  for (const ReadBackEntry& e : back.entries) {
    EXPECT_NE(e.row, kRowTradeComment);
    if (e.row >= 0) {
      EXPECT_TRUE(ControlAgrees(e.row, v[e.row], e.value));
    }
  }
  EXPECT_FALSE(ParseReadBackText("").header);
  EXPECT_TRUE(ParseReadBackText("").entries.empty());
}

TEST(SettingsMapText, Agreement) {
  EXPECT_TRUE(ControlAgrees(kRowTrailOrder, "1", "1"));
  EXPECT_TRUE(ControlAgrees(kRowTrailOrder, "0", "yes"));
  EXPECT_TRUE(ControlAgrees(kRowTrailOrder, "0", ""));
  EXPECT_FALSE(ControlAgrees(kRowTrailOrder, "1", "1 "));
  EXPECT_FALSE(ControlAgrees(kRowTrailSL, "1.2", "1.20"));
  EXPECT_TRUE(ControlAgrees(kReadBackSetName, "表ソ", "表ソ"));
}

}  // namespace
