#include "settings/core/settings_file_text.h"

#include <gtest/gtest.h>

#include "common/key_value_lines.h"

using namespace common;
using namespace settings;

namespace {

SettingTable ResetTable() {
  SettingTable table;
  ResetSettingsTable(table);
  return table;
}

// Every cell of slots 0 and 1 with a value of its own that survives a load unchanged.
SettingTable FilledTable() {
  SettingTable table;
  for (int slot = 0; slot <= 1; ++slot) {
    for (int row = 0; row < kSettingRowCount; ++row) {
      std::string value = std::to_string(row + 1) + "." + std::to_string(slot);
      if (IsCheckBoxRow(row)) value = (row + slot) % 2 ? "1" : "0";
      if (row == kRowAutoTrade) value = slot ? "2" : "1";
      if (row == kRowTradeComment) value = slot ? "" : "表ソ comment =x";
      table.Cell(row, slot) = value;
    }
    table.Extra(kExtraModifyCount, slot) = slot ? "7" : "10000";
  }
  return table;
}

TEST(SettingsFileText, LayoutOfTheFile) {
  const std::string text = BuildSettingsFileText(ResetTable());
  const auto lines = KeyValueTextLines(text);
  ASSERT_EQ(lines.size(), 107u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(lines[0], "PelmorarSetting");
  const char* block[] = {"ManualDataIndex=0",
                         "SemiAutoTrade=",
                         "BeginningOnlyBuySell=",
                         "IndividualLossCut=",
                         "TrailOrder=",
                         "RikakuMode=",
                         "AutoTrade=",
                         "TrailMA=10",
                         "TrailOn=12",
                         "TrailSL=1.2",
                         "RikakuBairits=0.5",
                         "RikakuValue=5",
                         "Nanpin1="};
  for (size_t i = 0; i < std::size(block); ++i) EXPECT_EQ(lines[1 + i], block[i]);
  EXPECT_EQ(lines[22], "NpDepth1=");
  EXPECT_EQ(lines[31], "NpTp0=");
  EXPECT_EQ(lines[41], "MaxStoppLimmite=2500");
  EXPECT_EQ(lines[42], "NpLoss0=");
  EXPECT_EQ(lines[52], "TradeComment=");
  EXPECT_EQ(lines[53], "ModifyCount=10000");
  EXPECT_EQ(lines[54], "ManualDataIndex=1");
  EXPECT_EQ(lines[106], "ModifyCount=10000");
  EXPECT_EQ(text.find("Expiration"), std::string::npos);
  EXPECT_EQ(text.find("NewsSite"), std::string::npos);
}

TEST(SettingsFileText, RoundTripKeepsBothSlots) {
  SettingTable saved = FilledTable();
  saved.Cell(kRowTrailSL, 0) = "1.5";
  saved.Cell(kRowTrailMA, 1) = "-3";
  saved.Cell(kRowRikakuValue, 0) = "12abc";
  saved.Extra(kExtraExpiration, 0) = "99";  // never written
  SettingTable loaded = ResetTable();
  EXPECT_TRUE(ParseSettingsText(BuildSettingsFileText(saved), loaded).header);
  for (int slot = 0; slot <= 1; ++slot) {
    for (int row = 0; row < kSettingRowCount; ++row)
      EXPECT_EQ(loaded.Cell(row, slot), saved.Cell(row, slot)) << SettingRows()[row].key;
    EXPECT_EQ(loaded.Extra(kExtraModifyCount, slot), saved.Extra(kExtraModifyCount, slot));
  }
  EXPECT_EQ(loaded.Extra(kExtraExpiration, 0), "");
}

TEST(SettingsFileText, TestedRowsTakeTheirDefaultsOnlyForZero) {
  // Slot 0 holds what reads as the number 0 or as none; slot 1 fractions that must survive.
  SettingTable loaded = ResetTable();
  ParseSettingsText(
      "PelmorarSetting\r\nManualDataIndex=0\r\nRikakuBairits=0.3\r\nTrailSL=0.8\r\n"
      "RikakuValue=0\r\nMaxStoppLimmite=0.0\r\nTrailOn=abc\r\nTrailMA=\r\nNpTp0=0\r\n"
      "ManualDataIndex=1\r\nRikakuBairits=.5\r\nTrailSL=0.8\r\nRikakuValue=-0.0\r\n"
      "MaxStoppLimmite=0.01x\r\nTrailOn= 0.3\r\nTrailMA=0e5\r\n",
      loaded);
  const struct {
    int row;
    const char* slot0;
    const char* slot1;
  } expected[] = {
      {kRowRikakuBairits, "0.3", ".5"}, {kRowTrailSL, "0.8", "0.8"},
      {kRowRikakuValue, "5", "5"},      {kRowMaxStoppLimmite, "2500", "0.01x"},
      {kRowTrailOn, "12", " 0.3"},      {kRowTrailMA, "10", "10"},
  };
  for (const auto& e : expected) {
    EXPECT_EQ(loaded.Cell(e.row, 0), e.slot0) << SettingRows()[e.row].key;
    EXPECT_EQ(loaded.Cell(e.row, 1), e.slot1) << SettingRows()[e.row].key;
  }
  EXPECT_EQ(loaded.Cell(kRowNpTp0, 0), "0");  // not a row with a default
}

TEST(SettingsFileText, SlotSwitching) {
  // Without slot lines everything lands in slot 0; a later line of a key wins.
  SettingTable t = ResetTable();
  const ParsedSettings parsed = ParseSettingsText("Nanpin1=2\r\nNpTp3=7\r\n\r\nNanpin1=3\r\n", t);
  EXPECT_FALSE(parsed.header);
  EXPECT_EQ(parsed.settingLines, 3);
  EXPECT_EQ(t.Cell(NanpinRow(1), 0), "3");
  EXPECT_EQ(t.Cell(TpRow(3), 0), "7");
  EXPECT_EQ(t.Cell(NanpinRow(1), 1), "");

  t = ResetTable();
  ParseSettingsText("ManualDataIndex=0\r\nNanpin1=1\r\nManualDataIndex=0\r\nNanpin1=4\r\n", t);
  EXPECT_EQ(t.Cell(NanpinRow(1), 0), "4");

  // Slot 2 can be addressed; slots outside 0..2 make the lines up to the next valid slot
  // line ignored, the extra rows included.
  t = ResetTable();
  ParseSettingsText(
      "ManualDataIndex=2\r\nNanpin1=2\r\nManualDataIndex=3\r\nNanpin1=9\r\nModifyCount=5\r\n"
      "ManualDataIndex=-1\r\nNanpin2=9\r\nManualDataIndex=1\r\nNanpin3=6\r\n",
      t);
  EXPECT_EQ(t.Cell(NanpinRow(1), 2), "2");
  for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_NE(t.Cell(NanpinRow(1), slot), "9");
  EXPECT_EQ(t.Extra(kExtraModifyCount, 0), "10000");
  EXPECT_EQ(t.Cell(NanpinRow(2), 0), "");
  EXPECT_EQ(t.Cell(NanpinRow(3), 1), "6");
}

TEST(SettingsFileText, CheckBoxAutoTradeAndExtraRows) {
  SettingTable t = ResetTable();
  ParseSettingsText(
      "SemiAutoTrade=yes\r\nBeginningOnlyBuySell=\r\nIndividualLossCut=1 \r\nTrailOrder=1\r\n"
      "RikakuMode\r\nAutoTrade=2\r\nExpiration=\r\nModifyCount=\r\nNewsSite=\r\n"
      "ManualDataIndex=1\r\nAutoTrade=3\r\nNewsSite=Other\r\nExpiration=5\r\n",
      t);
  EXPECT_EQ(t.Cell(kRowSemiAutoTrade, 0), "0");
  EXPECT_EQ(t.Cell(kRowBeginningOnlyBuySell, 0), "0");
  EXPECT_EQ(t.Cell(kRowIndividualLossCut, 0), "0");
  EXPECT_EQ(t.Cell(kRowTrailOrder, 0), "1");
  EXPECT_EQ(t.Cell(kRowRikakuMode, 0), "0");
  EXPECT_EQ(t.Cell(kRowAutoTrade, 0), "2");
  EXPECT_EQ(t.Cell(kRowAutoTrade, 1), "0");
  EXPECT_EQ(t.Extra(kExtraExpiration, 0), "0");
  EXPECT_EQ(t.Extra(kExtraModifyCount, 0), "10000");
  EXPECT_EQ(t.Extra(kExtraNewsSite, 0), "DailyFxCom");
  EXPECT_EQ(t.Extra(kExtraNewsSite, 1), "Other");
  EXPECT_EQ(t.Extra(kExtraExpiration, 1), "5");
}

TEST(SettingsFileText, KeysArePrefixesOfTheLine) {
  SettingTable t = ResetTable();
  ParseSettingsText("TrailMA:15\r\ntrailon=20\r\nTradeComment=a=b\r\n", t);
  EXPECT_EQ(t.Cell(kRowTrailMA, 0), "15");
  EXPECT_EQ(t.Cell(kRowTrailOn, 0), "12");
  EXPECT_EQ(t.Cell(kRowTradeComment, 0), "a=b");
}

TEST(SettingsFileText, LfOnlyFileIsOneLine) {
  SettingTable t = ResetTable();
  const ParsedSettings parsed =
      ParseSettingsText("PelmorarSetting\nManualDataIndex=0\nTrailMA=15\nNanpin1=2\n", t);
  EXPECT_TRUE(parsed.header);
  EXPECT_EQ(parsed.settingLines, 0);
  EXPECT_EQ(t.Cell(kRowTrailMA, 0), "10");
  EXPECT_EQ(t.Cell(NanpinRow(1), 0), "");

  t = ResetTable();
  ParseSettingsText("TrailOn=15\nNanpin1=2\n", t);
  EXPECT_EQ(t.Cell(kRowTrailOn, 0), "15\nNanpin1=2\n");
  EXPECT_EQ(t.Cell(NanpinRow(1), 0), "");
}

TEST(SettingsFileText, ResetLeavesExpirationNewsSiteAndSlot2) {
  SettingTable t = FilledTable();
  t.Extra(kExtraExpiration, 0) = "e";
  t.Extra(kExtraNewsSite, 1) = "n";
  t.Cell(kRowTrailMA, 2) = "keep";
  ResetSettingsTable(t);
  for (int slot = 0; slot <= 1; ++slot) {
    EXPECT_EQ(t.Cell(kRowSemiAutoTrade, slot), "");
    EXPECT_EQ(t.Cell(kRowAutoTrade, slot), "");
    EXPECT_EQ(t.Cell(kRowTrailMA, slot), "10");
    EXPECT_EQ(t.Cell(kRowTrailOn, slot), "12");
    EXPECT_EQ(t.Cell(kRowTrailSL, slot), "1.2");
    EXPECT_EQ(t.Cell(kRowRikakuBairits, slot), "0.5");
    EXPECT_EQ(t.Cell(kRowRikakuValue, slot), "5");
    EXPECT_EQ(t.Cell(kRowMaxStoppLimmite, slot), "2500");
    EXPECT_EQ(t.Cell(LossRow(9), slot), "");
    EXPECT_EQ(t.Cell(kRowTradeComment, slot), "");
    EXPECT_EQ(t.Extra(kExtraModifyCount, slot), "10000");
  }
  EXPECT_EQ(t.Extra(kExtraExpiration, 0), "e");
  EXPECT_EQ(t.Extra(kExtraNewsSite, 1), "n");
  EXPECT_EQ(t.Cell(kRowTrailMA, 2), "keep");
}

}  // namespace
