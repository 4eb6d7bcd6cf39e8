// One order along the whole road: the console writes "Buy_1.0" when BUY is pressed with
// "Shiftを押さずに即実行" ticked, the terminal stand-in takes it through the bridge library
// and empties the map, the console shows the price and "Nothing", and the count the expert
// reports then makes the console refuse a SELL.
#include <gtest/gtest.h>

#include "common/channel_names.h"
#include "common/win/codepage.h"
#include "common/win/shared_text_map.h"
#include "common/win/text_file.h"
#include "tests/e2e/programs.h"

using namespace common;

namespace {

using e2e::FindChild;
using e2e::WaitFor;
using e2e::WindowText;

// An edit box of the window shows the text.
bool ShowsText(HWND window, const std::wstring& text) {
  return FindChild(window, L"Edit", text) != nullptr;
}

// Waits for the console's next look at the maps: each look shows the stand-in's moving price
// anew. A read the console did not answer in time is no change.
bool WaitForNextLook(HWND priceBox) {
  std::wstring before;
  return WaitFor([&] { return !(before = WindowText(priceBox)).empty(); }) && WaitFor([&] {
           const std::wstring now = WindowText(priceBox);
           return !now.empty() && now != before;
         });
}

TEST(OrderRoad, BuyReachesTheTerminalAndItsCountRefusesASell) {
  const std::wstring here = e2e::TestFolder();
  const std::wstring consoleFolder = here + L"console\\", terminalFolder = here + L"terminal\\";
  const std::wstring log = terminalFolder + L"terminal-log.txt";
  DeleteFileW(log.c_str());
  // A configuration as after the first use, so that no first-use window gets in the way.
  ASSERT_TRUE(WriteTextFile(
      "ReadMe=1\r\nflgNotNews=1\r\nMT4Path=" + WideToSjis(terminalFolder) + "terminal.exe\r\n",
      WideToSjis(consoleFolder) + "FxQuorvex.ini"));

  e2e::Program console(consoleFolder + L"TradeQuorvexStd.exe", consoleFolder);
  ASSERT_TRUE(console.Started());
  HWND main = nullptr;
  ASSERT_TRUE(WaitFor(
      [&] { return (main = e2e::FindProcessWindow(console.Id(), L"TradeQuorvex")) != nullptr; }));
  e2e::Program terminal(terminalFolder + L"terminal.exe", terminalFolder);
  ASSERT_TRUE(terminal.Started());
  HWND terminalWindow = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    return (terminalWindow = e2e::FindProcessWindow(terminal.Id(), L"MetaTrader 4")) != nullptr;
  }));
  SharedTextMap command, info;  // watched from the side
  ASSERT_TRUE(command.Open(kCommandMapName, kConsoleMapSize, kConsoleMapSize));
  ASSERT_TRUE(info.Open(kInfoMapName, kConsoleMapSize, kConsoleMapSize));
  EXPECT_FALSE(command.Created()) << "the console did not create the command map";

  // The console shows the stand-in's price and no pending command.
  HWND price = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    price =
        FindChild(main, L"Edit", [](const std::wstring& t) { return t.rfind(L"150.", 0) == 0; });
    return price != nullptr;
  })) << "no price shown";
  EXPECT_TRUE(WaitFor([&] { return ShowsText(main, L"Nothing"); }));

  HWND noShift = FindChild(main, L"Button", L"Shiftを押さずに即実行");
  HWND buy = FindChild(main, L"Button", L"BUY"), sell = FindChild(main, L"Button", L"SELL");
  ASSERT_TRUE(noShift && buy && sell);
  PostMessageW(noShift, BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return SendMessageW(noShift, BM_GETCHECK, 0, 0) == BST_CHECKED; }));

  PostMessageW(buy, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return e2e::ReadBytes(log) == "Buy_1.0\r\n"; })) << e2e::ReadBytes(log);
  EXPECT_TRUE(WaitFor([&] { return command.ReadText(kConsoleTextMax).empty(); }));
  EXPECT_TRUE(
      WaitFor([&] { return info.ReadText(kConsoleTextMax) == "PelmorarInfo\r\nHitCount=1\r\n"; }));
  EXPECT_TRUE(WaitFor([&] { return ShowsText(main, L"Nothing"); }));
  ASSERT_TRUE(WaitForNextLook(price)) << "the console took no count";

  PostMessageW(sell, BM_CLICK, 0, 0);
  const e2e::BoxWait refusal = e2e::WaitForMessageBox(console.Id(), L"両建てしないで下さい！！");
  ASSERT_NE(refusal.box, nullptr) << "SELL was not refused; seen:\n" << refusal.seen;
  EXPECT_EQ(e2e::MessageBoxTexts(refusal.box).caption, L"トレードQuorvex");
  ASSERT_TRUE(e2e::AnswerMessageBox(refusal.box, IDOK));
  // A command the refused SELL wrote would be in the map once the console is done with the
  // click, or in the log once the stand-in has finished the tick that took it.
  ASSERT_TRUE(e2e::Settle(main));
  EXPECT_EQ(command.ReadText(kConsoleTextMax), "");
  ASSERT_TRUE(e2e::Settle(terminalWindow));
  EXPECT_EQ(e2e::ReadBytes(log), "Buy_1.0\r\n");

  PostMessageW(terminalWindow, WM_CLOSE, 0, 0);
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(terminal.WaitExit(15000), 0u);
  EXPECT_EQ(console.WaitExit(15000), 0u);
}

}  // namespace
