#include "console/core/command_text.h"

#include <gtest/gtest.h>

using namespace console;

namespace {

TEST(GetLotText, FirstTickedChoiceWins) {
  const char* lots[] = {"1.0", "2.0", "3.0", "5.0", "10.0", "20.0"};
  for (size_t i = 0; i < kLotChoices; ++i) {
    std::array<bool, kLotChoices> ticked{};
    ticked[i] = true;
    EXPECT_EQ(GetLotText(ticked), lots[i]);
  }
  EXPECT_EQ(GetLotText({false, false, true, false, true, false}), "3.0");
  EXPECT_EQ(GetLotText({}), "1.0");
}

TEST(HedgeGuard, RefusesTheSideThatWouldHedge) {
  EXPECT_STREQ(HedgeGuardMessage(10000, OrderSide::Buy), "両建て不可です！！");
  EXPECT_STREQ(HedgeGuardMessage(10000, OrderSide::Sell), "両建て不可です！！");
  EXPECT_STREQ(HedgeGuardMessage(-2, OrderSide::Buy), "両建てしないで下さい！！");
  EXPECT_STREQ(HedgeGuardMessage(3, OrderSide::Sell), "両建てしないで下さい！！");
  EXPECT_EQ(HedgeGuardMessage(3, OrderSide::Buy), nullptr);
  EXPECT_EQ(HedgeGuardMessage(-2, OrderSide::Sell), nullptr);
  EXPECT_EQ(HedgeGuardMessage(0, OrderSide::Buy), nullptr);
  EXPECT_EQ(HedgeGuardMessage(0, OrderSide::Sell), nullptr);
  // Averaging, close and delete commands are never refused.
  for (int32_t count : {10000, -5, 5})
    EXPECT_EQ(HedgeGuardMessage(count, OrderSide::None), nullptr);
  // The messages are the Shift-JIS bytes the user sees.
  EXPECT_EQ(std::string(kHedgeRefusedText),
            "\x97\xBC\x8C\x9A\x82\xC4\x95\x73\x89\xC2\x82\xC5"
            "\x82\xB7\x81\x49\x81\x49");
}

TEST(MarketOrderCommand, WordAndLot) {
  EXPECT_EQ(MarketOrderCommand(OrderSide::Buy, "1.0"), "Buy_1.0");
  EXPECT_EQ(MarketOrderCommand(OrderSide::Sell, "20.0"), "Sell_20.0");
}

TEST(PendingOrderCommand, SingleAndSeriesForms) {
  EXPECT_EQ(PendingOrderCommand(kBuyLimit, "2.0", "1.23450", false, "5", 50),
            "BuyLimit_2.0=1.23450");
  EXPECT_EQ(PendingOrderCommand(kSellStop, "1.0", "150.300", true, "5", 60),
            "SellStop_1.0=150.300#5$-10");
  EXPECT_EQ(PendingOrderCommand(kBuyStop, "3.0", "1.2", true, "12", 38), "BuyStop_3.0=1.2#12$12");
  // A series without an offset is one order.
  EXPECT_EQ(PendingOrderCommand(kSellLimit, "1.0", "150.300", true, "5", 50),
            "SellLimit_1.0=150.300");
  // Unticked series ignores the count and the slider.
  EXPECT_EQ(PendingOrderCommand(kBuyStop, "1.0", "1.1", false, "5", 10), "BuyStop_1.0=1.1");
  // The price goes out exactly as typed.
  EXPECT_EQ(PendingOrderCommand(kBuyLimit, "1.0", "1..2", false, "", 50), "BuyLimit_1.0=1..2");
}

TEST(PendingPriceProblem, EmptyOrForeignCharacters) {
  EXPECT_STREQ(PendingPriceProblem(""), "指定価格が空白です！");
  for (const char* bad : {"-1.2", "1,2", " 1.2", "1e3", "１"})
    EXPECT_STREQ(PendingPriceProblem(bad), "不正な文字が入っています！") << bad;
  EXPECT_EQ(PendingPriceProblem("1.23450"), nullptr);
  EXPECT_EQ(PendingPriceProblem("1."), nullptr);
}

TEST(CommandFits, LimitIsTheMapLessItsNul) {
  const std::string head = "SellStop_20.0=150.300#";
  const std::string tail = "$-50";
  const std::string fits = PendingOrderCommand(
      kSellStop, "20.0", "150.300", true, std::string(1023 - head.size() - tail.size(), '9'), 100);
  EXPECT_EQ(fits.size(), 1023u);
  EXPECT_TRUE(CommandFits(fits));
  EXPECT_FALSE(CommandFits(fits + "9"));
}

TEST(PendingCommandProblem, SeriesCountIsAWholeNumberInDigits) {
  for (const char* good : {"1", "5", "12", "30", "05"}) EXPECT_TRUE(IsSeriesCount(good)) << good;
  for (const char* bad : {"", "0", "00", "5$3", "1_2", "-1", "+2", " 5", "5 ", "1.5", "５", "1e2"})
    EXPECT_FALSE(IsSeriesCount(bad)) << bad;
  const std::string series = PendingOrderCommand(kSellStop, "1.0", "150.300", true, "5$3", 60);
  EXPECT_STREQ(PendingCommandProblem(series, true, "5$3", 60), kBadSeriesCountText);
  // Without a series the count is not part of the command and not checked.
  const std::string single = PendingOrderCommand(kSellStop, "1.0", "150.300", true, "5$3", 50);
  EXPECT_EQ(PendingCommandProblem(single, true, "5$3", 50), nullptr);
  EXPECT_EQ(PendingCommandProblem(single, false, "x", 60), nullptr);
  EXPECT_STREQ(PendingCommandProblem(std::string(1024, '9'), false, "5", 60), kCommandTooLongText);
}

}  // namespace
