// The terminal stand-in plays the expert through the real library: it publishes a price,
// takes each command the console side writes, empties the map, reports its count and logs
// what it took; it closes on WM_CLOSE.
#include <gtest/gtest.h>

#include "common/channel_names.h"
#include "common/win/shared_text_map.h"
#include "tests/e2e/programs.h"

using namespace common;

namespace {

TEST(TerminalStandIn, TakesCommandsAndReportsItsCount) {
  const std::wstring folder = e2e::TestFolder();
  const std::wstring log = folder + L"terminal-log.txt";
  DeleteFileW(log.c_str());
  SharedTextMap command, price, info;  // the console, started first
  ASSERT_TRUE(command.Open(kCommandMapName, kConsoleMapSize, kConsoleMapSize));
  ASSERT_TRUE(price.Open(kPriceMapName, kConsoleMapSize, kConsoleMapSize));
  ASSERT_TRUE(info.Open(kInfoMapName, kConsoleMapSize, kConsoleMapSize));

  e2e::Program terminal(folder + L"terminal.exe", folder);
  ASSERT_TRUE(terminal.Started());
  HWND window = nullptr;
  ASSERT_TRUE(e2e::WaitFor([&] {
    return (window = e2e::FindProcessWindow(terminal.Id(), L"MetaTrader 4")) != nullptr;
  }));
  ASSERT_TRUE(e2e::WaitFor([&] { return ReadPriceText(price).size() == 7; }));
  EXPECT_EQ(ReadPriceText(price).substr(0, 3), "150");

  const auto take = [&](const std::string& text, const std::string& count) {
    command.WriteText(text);
    EXPECT_TRUE(e2e::WaitFor([&] { return command.ReadText(kConsoleTextMax).empty(); })) << text;
    EXPECT_TRUE(e2e::WaitFor([&] {
      return info.ReadText(kConsoleTextMax) == "PelmorarInfo\r\nHitCount=" + count + "\r\n";
    })) << text
        << " -> " << info.ReadText(kConsoleTextMax);
  };
  take("Buy_1.0", "1");
  take("Nanpin", "2");
  take("BuyLimit_1.0=150.100#5$10", "2");
  take("CloseSell", "2");
  take("CloseBuy", "0");
  take("Sell_2.0", "-1");
  take("CloseAll", "0");
  EXPECT_EQ(e2e::ReadBytes(log),
            "Buy_1.0\r\nNanpin\r\nBuyLimit_1.0=150.100#5$10\r\nCloseSell\r\nCloseBuy\r\n"
            "Sell_2.0\r\nCloseAll\r\n");

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(terminal.WaitExit(15000), 0u);
}

}  // namespace
