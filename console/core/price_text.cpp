#include "console/core/price_text.h"

#include "common/number_text.h"
#include "common/text.h"

std::string FormatPriceValue(long double price) {
  return FormatPrice(PriceMask(price), FloatToText(price));
}

bool IsPriceMapReady(const std::string& priceText) {
  return KeepNumber(priceText) != "0";
}

bool LadderStepsTypedPrice(const std::string& priceText, bool shiftDown) {
  return !shiftDown && !priceText.empty() && IsPriceText(priceText);
}

std::string LadderStepPrice(const std::string& priceText, LadderTier tier, int direction) {
  static constexpr long double kLargeSteps[] = {0.1L, 0.01L, 0.001L};
  static constexpr long double kSmallSteps[] = {0.001L, 0.0001L, 0.00001L};
  const long double price = TextToFloat(priceText);
  const int i = static_cast<int>(tier);
  const long double step = IsLargeQuote(price) ? kLargeSteps[i] : kSmallSteps[i];
  return FormatPrice(PriceMask(price), FloatToText(price + direction * step));
}

PriceFromMap PriceFromMapText(const std::string& priceText) {
  if (!IsPriceMapReady(priceText)) return {priceText, false};
  return {FormatPriceValue(TextToFloat(priceText)), true};
}
