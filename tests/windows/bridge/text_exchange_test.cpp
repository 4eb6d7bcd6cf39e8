// The library's text exports against the console's side of the maps.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <thread>

#include "common/win/codepage.h"
#include "tests/windows/bridge/bridge_fixture.h"

using namespace common;

namespace {

bool AllZero(const SharedTextMap& map, size_t from = 0) {
  for (size_t i = from; i < map.Size(); ++i)
    if (map.View()[i] != 0) return false;
  return true;
}

TEST_F(BridgeTest, EveryExportIsFoundUnderItsPlainNameOnly) {
  LoadBridge();
  EXPECT_EQ(GetProcAddress(lib.module, "TradeSet@4"), nullptr);
  EXPECT_EQ(GetProcAddress(lib.module, "_Read_Command@0"), nullptr);
  EXPECT_TRUE(lib.TradeSet(7));
}

TEST_F(BridgeTest, LoadedAloneItCreatesEmptyMaps) {
  LoadBridge();
  EXPECT_STREQ(lib.Read_Command(), L"");
  EXPECT_STREQ(lib.ReadSetting(), L"");
  OpenConsoleSide(kBridgeMapSize);
  EXPECT_FALSE(command.Created());
  EXPECT_EQ(command.Size(), kBridgeMapSize);
  for (const SharedTextMap* map : {&command, &price, &info, &setting}) EXPECT_TRUE(AllZero(*map));
}

TEST_F(BridgeTest, LoadedAfterTheConsoleItFindsTheWaitingTexts) {
  OpenConsoleSide();
  command.WriteText("BuyLimit_1.0=1.23450#5$-10");
  setting.WriteText("SetName=表ソ設定\r\nLot=0.1\r\n");
  LoadBridge();
  EXPECT_STREQ(lib.Read_Command(), L"BuyLimit_1.0=1.23450#5$-10");
  EXPECT_STREQ(lib.Read_Command(), L"BuyLimit_1.0=1.23450#5$-10");  // reading takes nothing
  EXPECT_EQ(command.ReadText(kConsoleTextMax), "BuyLimit_1.0=1.23450#5$-10");
  EXPECT_STREQ(lib.ReadSetting(), L"SetName=表ソ設定\r\nLot=0.1\r\n");
}

TEST_F(BridgeTest, ClearCommandEmptiesTheWholeMap) {
  OpenConsoleSide();
  command.WriteText("SellLimit_20.0=150.300#15$-10");
  LoadBridge();
  std::memset(command.View() + 100, 'z', 500);  // bytes after the NUL are emptied too
  EXPECT_TRUE(lib.Clear_Command());
  EXPECT_TRUE(AllZero(command));
  EXPECT_STREQ(lib.Read_Command(), L"");
  EXPECT_EQ(setting.ReadText(kSettingMapSize), "");
}

TEST_F(BridgeTest, PriceReachesTheConsoleAsTenCharacters) {
  OpenConsoleSide();
  LoadBridge();
  EXPECT_TRUE(lib.SetPrice(1.08765));
  EXPECT_EQ(ReadPriceText(price), "1.08764");
  EXPECT_EQ(price.ReadText(kConsoleTextMax), "1.08764993");
  EXPECT_TRUE(AllZero(price, 11));
  lib.SetPrice(150.25);
  EXPECT_EQ(price.ReadText(kConsoleTextMax), "150.250000");
  lib.SetPrice(NAN);
  EXPECT_EQ(price.ReadText(kConsoleTextMax), "0");
  lib.SetPrice(-3e12);
  EXPECT_EQ(price.ReadText(kConsoleTextMax), "0");
  EXPECT_TRUE(AllZero(price, 2));
}

TEST_F(BridgeTest, ReportReachesTheConsoleInShiftJis) {
  OpenConsoleSide();
  LoadBridge();
  EXPECT_TRUE(lib.SetInfo(L"PelmorarInfo\r\nHitCount=-3\r\nコメント=ソ表ﾊﾞｰ\r\n"));
  EXPECT_EQ(info.ReadText(kConsoleTextMax), "PelmorarInfo\r\nHitCount=-3\r\nコメント=ソ表ﾊﾞｰ\r\n");
  EXPECT_EQ(info.ReadText(kConsoleTextMax),
            std::string("PelmorarInfo\r\nHitCount=-3\r\n\x83\x52\x83\x81\x83\x93\x83\x67=") +
                "\x83\x5C\x95\x5C\xCA\xDE\xB0\r\n");
  lib.SetInfo(L"short");
  EXPECT_EQ(info.ReadText(kConsoleTextMax), "short");
  EXPECT_TRUE(lib.SetInfo(nullptr));
  EXPECT_EQ(info.ReadText(kConsoleTextMax), "");
}

TEST_F(BridgeTest, SettingsInShiftJisArriveAsUtf16) {
  LoadBridge();
  OpenConsoleSide();
  const std::string text = "SetName=表ソ設定\r\nComment=ﾃｽﾄ\\予定\r\n";
  setting.WriteText(text);
  EXPECT_EQ(std::wstring(lib.ReadSetting()), L"SetName=表ソ設定\r\nComment=ﾃｽﾄ\\予定\r\n");
  EXPECT_EQ(std::wstring(lib.ReadSetting()), SjisToWide(text));
}

TEST_F(BridgeTest, FullMapsAndLongReportsStayInsideTheirMaps) {
  LoadBridge();  // the library's own 2048-byte maps
  OpenConsoleSide(kBridgeMapSize);
  std::memset(command.View(), 'A', command.Size());  // no NUL anywhere
  EXPECT_EQ(std::wstring(lib.Read_Command()), std::wstring(kBridgeMapSize, L'A'));
  lib.SetInfo(std::wstring(3000, L'x').c_str());
  ASSERT_EQ(info.Size(), kBridgeMapSize);
  EXPECT_EQ(info.ReadText(kBridgeMapSize), std::string(2047, 'x'));
  EXPECT_EQ(info.View()[2047], 0);
  // A double-byte character counts two bytes.
  lib.SetInfo(std::wstring(1500, L'表').c_str());
  EXPECT_EQ(info.ReadText(kBridgeMapSize).size(), 2047u);
}

TEST_F(BridgeTest, MapsTheConsoleCreatedSmallerCarryTheTexts) {
  OpenConsoleSide();  // 1024 bytes each
  LoadBridge();
  const std::string longest(kConsoleTextMax, 'c');
  command.WriteText(longest);
  EXPECT_EQ(std::wstring(lib.Read_Command()), std::wstring(kConsoleTextMax, L'c'));
  lib.SetInfo(std::wstring(3000, L'x').c_str());
  EXPECT_EQ(info.ReadText(kConsoleTextMax), std::string(kConsoleTextMax, 'x'));
  EXPECT_TRUE(lib.Clear_Command());
  EXPECT_EQ(command.ReadText(kConsoleTextMax), "");
}

TEST_F(BridgeTest, ReturnedTextStaysUntilTheSameThreadCallsAgain) {
  OpenConsoleSide();
  LoadBridge();
  command.WriteText("Buy_1.0");
  const wchar_t* mine = lib.Read_Command();
  command.WriteText("Sell_2.0");
  std::wstring theirs;
  std::thread other([&] { theirs = lib.Read_Command(); });
  other.join();
  EXPECT_EQ(theirs, L"Sell_2.0");
  EXPECT_STREQ(mine, L"Buy_1.0");
  EXPECT_STREQ(lib.Read_Command(), L"Sell_2.0");
}

TEST_F(BridgeTest, ReloadingFindsTheTextsTheConsoleKept) {
  OpenConsoleSide();
  LoadBridge();
  lib.SetInfo(L"PelmorarInfo\r\nHitCount=2\r\n");
  command.WriteText("CloseAll");
  lib.Unload();
  LoadBridge();
  EXPECT_STREQ(lib.Read_Command(), L"CloseAll");
  EXPECT_EQ(info.ReadText(kConsoleTextMax), "PelmorarInfo\r\nHitCount=2\r\n");
}

TEST_F(BridgeTest, LocalTimeToTheMinute) {
  LoadBridge();
  for (int attempt = 0; attempt < 3; ++attempt) {
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    const int n = lib.GetTime();
    GetLocalTime(&after);
    if (before.wMinute != after.wMinute) continue;
    const long long expected = (before.wYear % 100) * 100000000LL + before.wMonth * 1000000LL +
                               before.wDay * 10000LL + before.wHour * 100LL + before.wMinute;
    EXPECT_EQ(n, static_cast<int>(static_cast<unsigned>(expected)));
    return;
  }
  FAIL() << "the minute kept changing";
}

}  // namespace
