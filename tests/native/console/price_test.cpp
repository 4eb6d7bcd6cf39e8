#include <gtest/gtest.h>

#include "common/number_text.h"
#include "console/core/price_text.h"
#include "console/core/slider.h"

namespace {

TEST(SliderOffset, SinglePrecisionStepsAndCutDecimals) {
  EXPECT_EQ(ComputeSliderOffset(true, "150.25", 45).price, "150.300");
  // The exact sums would be 1.30550 and 1.30600.
  EXPECT_EQ(ComputeSliderOffset(false, "1.30500", 45).price, "1.30549");
  EXPECT_EQ(ComputeSliderOffset(false, "1.30500", 40).price, "1.30599");
  EXPECT_EQ(ComputeSliderOffset(false, "1.30500", 50).price, "1.30499");
  EXPECT_EQ(ComputeSliderOffset(true, "150.25", 70).price, "150.050");
  // An empty or unreadable map counts as 0.
  EXPECT_EQ(ComputeSliderOffset(false, "", 40).price, "0.00099");
  // The mask follows the result, not the quote kind of the current price.
  EXPECT_EQ(ComputeSliderOffset(true, "9.95", 0).price, "10.449");  // 10.45 cut one point low
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
  EXPECT_THROW(PriceFromMapText("1.2.3"), ConversionError);
}

}  // namespace
