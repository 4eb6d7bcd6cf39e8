#include "bridge/core/published_price.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using bridge::PriceText;

TEST(PriceText, TenCharactersOfTheSinglePrecisionValueCutNotRounded) {
  EXPECT_EQ(PriceText(1.23456), "1.23456001");
  EXPECT_EQ(PriceText(123.456), "123.456001");
  EXPECT_EQ(PriceText(0), "0.00000000");
  EXPECT_EQ(PriceText(-1.5), "-1.5000000");
  EXPECT_EQ(PriceText(1.08765), "1.08764993");
  EXPECT_EQ(PriceText(99.99), "99.9899978");
  EXPECT_EQ(PriceText(0.5), "0.50000000");
}

TEST(PriceText, RoundQuotesWhoseTenfoldRoundsUpToAWholeDigit) {
  // 0.7 is 0.699999988 in single precision; ten times it rounds back up to 7.
  EXPECT_EQ(PriceText(0.7), "0.70000000");
  EXPECT_EQ(PriceText(0.9), "0.90000000");
  EXPECT_EQ(PriceText(1.9), "1.90000000");
  EXPECT_EQ(PriceText(0.07), "0.07000000");
  EXPECT_EQ(PriceText(-0.7), "-0.7000000");
  EXPECT_EQ(PriceText(-1.9), "-1.9000000");
}

// Digits, one point and an optional leading '-', exactly 10 characters.
bool IsFieldText(const char* text) {
  int points = 0;
  for (int i = 0; i < 10; ++i) {
    if (text[i] == '.')
      ++points;
    else if (!(text[i] >= '0' && text[i] <= '9') && !(i == 0 && text[i] == '-'))
      return false;
  }
  return points <= 1 && text[10] == '\0';
}

TEST(PriceText, EveryRoundQuoteGivesDigitsOnly) {
  struct Sweep {
    int steps;
    double perUnit;
  };
  // Every 0.0001 up to 200 and every 0.001 up to 2000, both signs.
  char text[16];
  for (const Sweep sweep : {Sweep{2000000, 10000.0}, Sweep{2000000, 1000.0}}) {
    for (int i = 0; i <= sweep.steps; ++i) {
      for (const double quote : {i / sweep.perUnit, -i / sweep.perUnit}) {
        bridge::FormatDecimalText(text, static_cast<float>(quote));
        ASSERT_TRUE(IsFieldText(text)) << quote << " gives \"" << text << '"';
      }
    }
  }
}

TEST(PriceText, LongIntegerPartsFillTheField) {
  EXPECT_EQ(PriceText(100000000), "100000000.");
  EXPECT_EQ(PriceText(1234567), "1234567.00");
  EXPECT_EQ(PriceText(1000000000), "1000000000");
  EXPECT_EQ(PriceText(-12345678), "-12345678.");
  EXPECT_EQ(PriceText(-123456789), "-123456792");    // its single-precision value
  EXPECT_EQ(PriceText(9999999000.0), "9999998976");  // its single-precision value
}

TEST(PriceText, ValuesThatDoNotFitReadAsZero) {
  for (double v :
       {1e10, 12345678901.0, -1e9, -5e9, 1e300, -1e300, std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
    const std::string text = PriceText(v);
    EXPECT_LE(text.size(), 10u) << v;
    EXPECT_EQ(std::strtod(text.c_str(), nullptr), 0.0) << v;
  }
}

TEST(PriceText, EveryFittingValueGivesTenDigitsAndPoint) {
  // Digits only, the width exact, and within a unit of the last digit of the value.
  for (double v = 0.00001; v < 2e9; v = v * 3.7 + 0.013) {
    const std::string text = PriceText(v);
    ASSERT_EQ(text.size(), 10u) << v;
    EXPECT_EQ(text.find_first_not_of("0123456789."), std::string::npos) << text;
    const double lastDigit = std::pow(10.0, static_cast<double>(text.find('.')) - 9);
    EXPECT_NEAR(std::strtod(text.c_str(), nullptr), static_cast<float>(v), lastDigit) << text;
  }
}

TEST(FormatDecimalText, WritesTheTerminatorAfterTheField) {
  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  bridge::FormatDecimalText(buffer, 2.5f);
  EXPECT_STREQ(buffer, "2.50000000");
  EXPECT_EQ(buffer[11], 'x');
}

}  // namespace
