#include <gtest/gtest.h>

#include "common/number_text.h"
#include "console/core/decimal_sum.h"
#include "console/core/price_text.h"
#include "console/core/slider.h"

using namespace common;
using namespace console;

namespace {

TEST(SliderOffset, ExactSumInTheQuoteDecimals) {
  EXPECT_EQ(ComputeSliderOffset(true, "150.25", 45).price, "150.300");
  EXPECT_EQ(ComputeSliderOffset(true, "150.300", 60).price, "150.200");
  EXPECT_EQ(ComputeSliderOffset(false, "1.30500", 45).price, "1.30550");
  EXPECT_EQ(ComputeSliderOffset(false, "1.30500", 40).price, "1.30600");
  EXPECT_EQ(ComputeSliderOffset(false, "1.30500", 50).price, "1.30500");
  EXPECT_EQ(ComputeSliderOffset(true, "150.25", 70).price, "150.050");
  // Every step of the range from a price with a binary-unfriendly last digit.
  for (int position = 0; position <= 100; ++position) {
    const int cents = 15030 + (50 - position);
    const std::string exact = std::to_string(cents / 100) + "." + std::to_string(cents % 100 / 10) +
                              std::to_string(cents % 10) + "0";
    EXPECT_EQ(ComputeSliderOffset(true, "150.300", position).price, exact) << position;
  }
  // Quotes of 1000 and above keep their integer digits.
  EXPECT_EQ(ComputeSliderOffset(true, "2034.56", 40).price, "2034.660");
  EXPECT_EQ(ComputeSliderOffset(true, "43210.5", 100).price, "43210.000");
  // An empty or unreadable map counts as 0; a decimal beyond the quote's is cut, not rounded.
  EXPECT_EQ(ComputeSliderOffset(false, "", 40).price, "0.00100");
  EXPECT_EQ(ComputeSliderOffset(false, "x", 40).price, "0.00100");
  EXPECT_EQ(ComputeSliderOffset(true, "10.1239", 49).price, "10.133");
  // The mask follows the result, not the quote kind of the current price.
  EXPECT_EQ(ComputeSliderOffset(true, "9.95", 0).price, "10.450");
}

TEST(DecimalSum, PlainDecimalsAndExactSteps) {
  EXPECT_EQ(PlainDecimal(" 150.25x"), "150.25");
  EXPECT_EQ(PlainDecimal(""), "0");
  EXPECT_EQ(PlainDecimal("1.5E2"), "150");
  EXPECT_EQ(PlainDecimal("25e-3"), "0.025");
  EXPECT_EQ(PlainDecimal("-0.0"), "0.0");
  EXPECT_EQ(AddDecimalSteps("0150.25", 5, 2), "150.30");
  EXPECT_EQ(AddDecimalSteps(".5", -1, 0), "-0.5");
  EXPECT_EQ(AddDecimalSteps("7.", 1, 3), "7.001");
  EXPECT_EQ(AddDecimalSteps("0.0005", -5, 4), "0.0000");
  EXPECT_EQ(AddDecimalSteps("999.999", 1, 3), "1000.000");
  EXPECT_EQ(AddDecimalSteps("1000.000", -1, 3), "999.999");
  EXPECT_EQ(AddDecimalSteps("-1.2", 30, 1), "1.8");
  // Far beyond double precision the sum stays exact.
  EXPECT_EQ(AddDecimalSteps("999.9999999999999", 1, 3), "1000.0009999999999");
}

TEST(SliderOffset, HintIsTheSignedStepCount) {
  EXPECT_EQ(ComputeSliderOffset(true, "150.25", 45).hint, "+5");
  EXPECT_EQ(ComputeSliderOffset(true, "150.25", 57).hint, "-7");
  EXPECT_EQ(ComputeSliderOffset(true, "150.25", 50).hint, "0");
  EXPECT_EQ(SliderStepHint(0), "+50");
  EXPECT_EQ(SliderStepHint(100), "-50");
}

TEST(Slider, MirrorAndTrendFollowingSide) {
  EXPECT_EQ(MirroredSliderPosition(30), 70);
  EXPECT_EQ(MirroredSliderPosition(70), 30);
  EXPECT_EQ(MirroredSliderPosition(50), 50);
  EXPECT_EQ(MirroredSliderPosition(0), 100);
  // Buys want a non-negative offset (positions up to 50), sells a non-positive one.
  EXPECT_TRUE(SliderNeedsMirror(OrderSide::Buy, 70));
  EXPECT_FALSE(SliderNeedsMirror(OrderSide::Buy, 50));
  EXPECT_FALSE(SliderNeedsMirror(OrderSide::Buy, 30));
  EXPECT_TRUE(SliderNeedsMirror(OrderSide::Sell, 30));
  EXPECT_TRUE(SliderNeedsMirror(OrderSide::Sell, 50));
  EXPECT_FALSE(SliderNeedsMirror(OrderSide::Sell, 70));
}

TEST(PriceLadder, StepsByQuoteKind) {
  EXPECT_EQ(LadderStepPrice("1.23450", LadderTier::Fine, +1), "1.23451");
  EXPECT_EQ(LadderStepPrice("1.23450", LadderTier::Middle, -1), "1.23440");
  EXPECT_EQ(LadderStepPrice("1.23450", LadderTier::Coarse, +1), "1.23550");
  EXPECT_EQ(LadderStepPrice("150.250", LadderTier::Coarse, -1), "150.150");
  EXPECT_EQ(LadderStepPrice("150.250", LadderTier::Middle, +1), "150.260");
  EXPECT_EQ(LadderStepPrice("150.250", LadderTier::Fine, -1), "150.249");
  EXPECT_EQ(LadderStepPrice("150", LadderTier::Fine, +1), "150.001");
  // Kind, step and mask come from the price before the step.
  EXPECT_EQ(LadderStepPrice("10", LadderTier::Fine, -1), "9.999");
  EXPECT_EQ(LadderStepPrice("9.9", LadderTier::Coarse, +1), "9.90100");
  // Gold-like quotes keep their thousands, and a long typed price never lands a point off.
  EXPECT_EQ(LadderStepPrice("2034.560", LadderTier::Coarse, +1), "2034.660");
  EXPECT_EQ(LadderStepPrice("999.9999999999999", LadderTier::Fine, +1), "1000.000");
  EXPECT_THROW(LadderStepPrice("1.2.3", LadderTier::Fine, +1), ConversionError);
}

TEST(PriceLadder, StepsOnlyAPlainTypedPriceWithoutShift) {
  EXPECT_TRUE(LadderStepsTypedPrice("1.23450", false));
  EXPECT_FALSE(LadderStepsTypedPrice("1.23450", true));
  EXPECT_FALSE(LadderStepsTypedPrice("", false));
  EXPECT_FALSE(LadderStepsTypedPrice("-1.2", false));
}

TEST(PriceFromMap, ReadyOnlyWithANonZeroNumber) {
  EXPECT_FALSE(PriceFromMapText("").ready);
  EXPECT_FALSE(PriceFromMapText("0").ready);
  EXPECT_EQ(PriceFromMapText("0").text, "0");
  EXPECT_EQ(PriceFromMapText("").text, "");
  // Only the kept digits and points are tested: "0.00000" is a price (of 0).
  EXPECT_TRUE(PriceFromMapText("0.00000").ready);
  EXPECT_EQ(PriceFromMapText("0.00000").text, "0");
  EXPECT_EQ(PriceFromMapText("150.255").text, "150.255");
  EXPECT_EQ(PriceFromMapText("1.3051").text, "1.30510");
  EXPECT_EQ(PriceFromMapText("9.9").text, "9.90000");
  EXPECT_EQ(PriceFromMapText("2034.56").text, "2034.560");
  // Below 0.0001 the value is still laid out from its decimal digits, never "2E-5".
  EXPECT_EQ(PriceFromMapText("0.00002").text, "0.00002");
  EXPECT_EQ(FormatPriceValue(0.00002345L), "0.00002");
  EXPECT_EQ(FormatPriceValue(0.0001L), "0.00010");
  EXPECT_THROW(PriceFromMapText("1.2.3"), ConversionError);
}

}  // namespace
