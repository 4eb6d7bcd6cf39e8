#include "console/core/slider.h"

#include "common/number_text.h"
#include "common/text.h"
#include "console/core/price_text.h"

namespace {

// The hint shows at most this many characters.
constexpr int kHintLength = 6;

std::string SignedHint(int offsetSign, const std::string& offsetText) {
  return LeftText(kHintLength, (offsetSign > 0 ? "+" : "") + offsetText);
}

}  // namespace

bool SliderNeedsMirror(OrderSide side, int position) {
  if (side == OrderSide::Buy) return position > kSliderCentre;
  if (side == OrderSide::Sell) return position <= kSliderCentre;
  return false;
}

std::string SliderStepHint(int position) {
  const int steps = SliderOffsetSteps(position);
  return SignedHint(steps, FloatToText(steps));
}

SliderOffsetResult ComputeSliderOffset(bool largeQuote, const std::string& priceText,
                                       int position) {
  const float step = largeQuote ? 0.01f : 0.0001f;
  const long double sum = static_cast<long double>(SafeStrToFloat(priceText)) +
                          static_cast<long double>(SliderOffsetSteps(position)) * step;
  const float value = SafeStrToFloat(FloatToText(sum));
  return {FormatPrice(PriceMask(value), FloatToText(value)), SliderStepHint(position)};
}

SliderOffsetResult PreviewSliderOffset(long double price, int position) {
  const int steps = SliderOffsetSteps(position);
  const long double value = price + steps * 0.001L;
  const float offset = static_cast<float>(steps * 0.001L);
  return {FormatPrice(PriceMask(value), FloatToText(value)),
          SignedHint(steps, FloatToText(offset))};
}
