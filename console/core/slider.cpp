#include "console/core/slider.h"

#include "common/number_text.h"
#include "common/text.h"
#include "console/core/decimal_sum.h"
#include "console/core/price_text.h"

namespace console {

namespace {

// The hint shows at most this many characters.
constexpr int kHintLength = 6;
// One slider step is 0.01 on a large quote and 0.0001 on a small one.
constexpr int kLargeStepDecimals = 2;
constexpr int kSmallStepDecimals = 4;

std::string SignedHint(int offsetSign, const std::string& offsetText) {
  return common::LeftText(kHintLength, (offsetSign > 0 ? "+" : "") + offsetText);
}

}  // namespace

bool SliderNeedsMirror(OrderSide side, int position) {
  if (side == OrderSide::Buy) return position > kSliderCentre;
  if (side == OrderSide::Sell) return position <= kSliderCentre;
  return false;
}

std::string SliderStepHint(int position) {
  const int steps = SliderOffsetSteps(position);
  return SignedHint(steps, common::FloatToText(steps));
}

SliderOffsetResult ComputeSliderOffset(bool largeQuote, const std::string& priceText,
                                       int position) {
  const std::string sum = AddDecimalSteps(PlainDecimal(priceText), SliderOffsetSteps(position),
                                          largeQuote ? kLargeStepDecimals : kSmallStepDecimals);
  return {common::FormatPrice(PriceMask(common::TextToFloat(sum)), sum), SliderStepHint(position)};
}

SliderOffsetResult PreviewSliderOffset(const std::string& priceText, int position) {
  return ComputeSliderOffset(IsLargeQuoteText(priceText), priceText, position);
}

}  // namespace console
