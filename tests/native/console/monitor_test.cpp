#include "console/core/monitor.h"

#include <gtest/gtest.h>

#include "console/core/layout.h"
#include "console/core/price_text.h"

using namespace common;
using namespace console;

namespace {

TEST(MonitorPrice, NotReadyWhileEmptyOrZero) {
  EXPECT_FALSE(ReadMonitorPrice("", 50).ready);
  EXPECT_FALSE(ReadMonitorPrice("0", 50).ready);
  EXPECT_FALSE(ReadMonitorPrice("abc", 50).ready);
  EXPECT_FALSE(ReadMonitorPrice("1.2.3", 50).ready);  // no number: no error box every second
  const MonitorPrice zero = ReadMonitorPrice("0.00000", 50);
  EXPECT_TRUE(zero.ready);
  EXPECT_EQ(zero.nowPrice, "0");
}

TEST(MonitorPrice, PriceAndPreview) {
  const MonitorPrice small = ReadMonitorPrice("1.30500", 40);
  EXPECT_TRUE(small.ready);
  EXPECT_EQ(small.nowPrice, "1.30500");
  // The preview is the price an order would send now, with the order's step and hint.
  EXPECT_EQ(small.preview.price, "1.30600");
  EXPECT_EQ(small.preview.hint, "+10");
  const MonitorPrice large = ReadMonitorPrice("150.255", 60);
  EXPECT_EQ(large.nowPrice, "150.255");
  EXPECT_EQ(large.preview.price, "150.155");
  EXPECT_EQ(large.preview.hint, "-10");
  EXPECT_EQ(ReadMonitorPrice("150.255", 50).preview.hint, "0");
  EXPECT_EQ(ReadMonitorPrice("150.255", 50).preview.price, "150.255");
  for (int position : {0, 13, 45, 50, 61, 100}) {
    for (const char* price : {"1.30500", "150.255", "9.90000", "2034.56"}) {
      const SliderOffsetResult order =
          ComputeSliderOffset(IsLargeQuoteText(price), price, position);
      EXPECT_EQ(ReadMonitorPrice(price, position).preview.price, order.price) << price;
      EXPECT_EQ(ReadMonitorPrice(price, position).preview.hint, order.hint) << price;
    }
  }
  // Quotes of 1000 and above keep every integer digit.
  EXPECT_EQ(ReadMonitorPrice("1234.56", 50).nowPrice, "1234.560");
  EXPECT_EQ(ReadMonitorPrice("2034.56", 45).preview.price, "2034.610");
  EXPECT_EQ(ReadMonitorPrice("0.00002", 40).nowPrice, "0.00002");
}

TEST(MonitorPrice, PriceBoxColourAgainstTheCurrentPrice) {
  EXPECT_EQ(PriceBoxColour("1.30500", "1.31500"), 0xCCFFCCu);
  EXPECT_EQ(PriceBoxColour("1.30500", "1.305"), 0xFFFFFFu);
  EXPECT_EQ(PriceBoxColour("150.300", "150.250"), 0xAAFFFFu);
  EXPECT_EQ(PriceBoxColour("", "1.3"), std::nullopt);
  EXPECT_EQ(PriceBoxColour("1.3", "1..3"), std::nullopt);
}

TEST(PendingCommand, WordAndColourTable) {
  struct Case {
    const char* command;
    const char* shown;
    Colour colour;
  };
  const Case cases[] = {
      {"Buy_1.0", "Buy", 0xFFFFAA},
      {"BuyLimit_1.0=1.23450", "BuyLimit", 0xFFFFAA},
      {"BuyStop_2.0=1.2#5$10", "BuyStop", 0xFFFFAA},
      {"Sell_1.0", "Sell", 0xAAAAFF},
      {"SellLimit_1.0=1.2", "SellLimit", 0xAAAAFF},
      {"SellStop_1.0=1.2", "SellStop", 0xAAAAFF},
      {"DeleteBuy", "DeleteBuy", 0x99FF99},
      {"DeleteSell", "DeleteSell", 0x99FF99},
      {"DeleteAll", "DeleteAll", 0x99FF99},
      {"CloseBuy", "CloseBuy", 0x99FF99},
      {"CloseSell", "CloseSell", 0x99FF99},
      {"CloseAll", "CloseAll", 0x99FF99},
      {"Nanpin", "Nanpin", 0x00FFFF},
      {"", "Nothing", kSystemWindowColour},
      {"buy_1.0", "Nothing", kSystemWindowColour},
      {"BuyNow_1.0", "Nothing", kSystemWindowColour},
      {"_Buy", "Nothing", kSystemWindowColour},
  };
  for (const Case& c : cases) {
    const PendingDisplay shown = PendingCommandDisplay(c.command, true);
    EXPECT_EQ(shown.text, c.shown) << c.command;
    EXPECT_EQ(shown.colour, c.colour) << c.command;
  }
}

TEST(ParseHitCount, LastCountAfterTheHeader) {
  EXPECT_EQ(ParseHitCount("PelmorarInfo\r\nHitCount=-3"), -3);
  EXPECT_EQ(ParseHitCount("PelmorarInfo\r\nHitCount=-3\r\n"), -3);
  EXPECT_EQ(ParseHitCount("HitCount=2\r\nPelmorarInfo"), 10000);  // count before the header
  EXPECT_EQ(ParseHitCount("PelmorarInfo\r\nHitCount:\r\n"), 0);
  EXPECT_EQ(ParseHitCount("PelmorarInfo\r\nHitCount"), 0);
  EXPECT_EQ(ParseHitCount("PelmorarInfo\r\nHitCount=1\r\nOther=5\r\nHitCount=4"), 4);
  EXPECT_EQ(ParseHitCount("PelmorarInfoV2\r\n\r\nHitCount: +7 lots"), 7);
  EXPECT_EQ(ParseHitCount("PelmorarInfo\r\nHitCounter=9"), 0);  // "e" is the separator
  EXPECT_EQ(ParseHitCount(""), 10000);
  EXPECT_EQ(ParseHitCount("PelmorarInfo"), 10000);
  EXPECT_EQ(ParseHitCount("Pelmorar\r\nHitCount=1"), 10000);
}

TEST(Layout, TwoSizesAnchoredInTheCorner) {
  const WorkArea area{0, 0, 1280, 984};
  const WindowBounds compact = CompactLayout(area, 96);
  EXPECT_EQ(compact.width, 255);
  EXPECT_EQ(compact.height, 225);
  EXPECT_EQ(compact.left, 1280 - 255);
  EXPECT_EQ(compact.top, 984 - 225);
  const WindowBounds full = ToggledLayout(area, compact.height, 96);
  EXPECT_EQ(full.width, 267);
  EXPECT_EQ(full.height, 467);
  EXPECT_EQ(full.left, 1280 - 267);
  EXPECT_EQ(full.top, 984 - 467);
  const WindowBounds back = ToggledLayout(area, full.height, 96);
  EXPECT_EQ(back.top, compact.top);
  EXPECT_EQ(back.left, compact.left);
  EXPECT_EQ(back.height, compact.height);
  EXPECT_TRUE(IsFullLayout(240, 96));
  EXPECT_FALSE(IsFullLayout(239, 96));
  // A taskbar at the top or the left moves the work area's origin, not its far corner.
  const WorkArea shifted{60, 40, 1280, 1024};
  EXPECT_EQ(CompactLayout(shifted, 96).left, 1280 - 255);
  EXPECT_EQ(CompactLayout(shifted, 96).top, 1024 - 225);
}

// 150 % and 200 %: the same window, each figure scaled once, still flush in the corner.
TEST(Layout, SizesAndThresholdFollowTheDisplaysDpi) {
  const WorkArea area{0, 0, 1920, 1040};
  const WindowBounds compact = CompactLayout(area, 144);
  EXPECT_EQ(compact.width, 383);  // 382.5 rounds away from zero
  EXPECT_EQ(compact.height, 338);
  EXPECT_EQ(compact.left + compact.width, 1920);
  EXPECT_EQ(compact.top + compact.height, 1040);
  const WindowBounds full = ToggledLayout(area, compact.height, 144);
  EXPECT_EQ(full.width, 401);
  EXPECT_EQ(full.height, 701);
  EXPECT_EQ(full.top + full.height, 1040);
  EXPECT_EQ(ToggledLayout(area, full.height, 144).height, compact.height);
  EXPECT_TRUE(IsFullLayout(360, 144));
  EXPECT_FALSE(IsFullLayout(359, 144));
  // A full window at 96 DPI is not full on a 200 % display.
  EXPECT_FALSE(IsFullLayout(467, 192));
  EXPECT_TRUE(IsFullLayout(480, 192));
  EXPECT_EQ(CompactLayout(area, 192).width, 510);
  EXPECT_EQ(ToggledLayout(area, 450, 192).height, 934);
}

}  // namespace
