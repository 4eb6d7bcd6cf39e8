#include "console/core/price_text.h"

#include "common/number_text.h"
#include "common/text.h"
#include "console/core/decimal_sum.h"

namespace console {

std::string FormatPriceValue(long double price) {
  // The general conversion writes a quote below 0.0001 in exponent form ("2E-5"), which the
  // mask cannot lay out and no price box accepts back: lay out its plain decimal digits.
  return common::FormatPrice(PriceMask(price), PlainDecimal(common::FloatToText(price)));
}

bool IsLargeQuoteText(const std::string& priceText) {
  return IsLargeQuote(common::SafeStrToFloat(priceText));
}

bool IsPriceMapReady(const std::string& priceText) {
  return common::KeepNumber(priceText) != "0";
}

bool LadderStepsTypedPrice(const std::string& priceText, bool shiftDown) {
  return !shiftDown && !priceText.empty() && common::IsPriceText(priceText);
}

std::string LadderStepPrice(const std::string& priceText, LadderTier tier, int direction) {
  // Decimals of the coarse, middle and fine steps: 0.1, 0.01, 0.001 and 0.001 to 0.00001.
  static constexpr int kLargeStepDecimals[] = {1, 2, 3};
  static constexpr int kSmallStepDecimals[] = {3, 4, 5};
  // The conversion also refuses a text that is no number ("1.2.3") before anything moves.
  const long double price = common::TextToFloat(priceText);
  const int i = static_cast<int>(tier);
  const int decimals = IsLargeQuote(price) ? kLargeStepDecimals[i] : kSmallStepDecimals[i];
  return common::FormatPrice(PriceMask(price), AddDecimalSteps(priceText, direction, decimals));
}

PriceFromMap PriceFromMapText(const std::string& priceText) {
  if (!IsPriceMapReady(priceText)) return {priceText, false};
  return {FormatPriceValue(common::TextToFloat(priceText)), true};
}

}  // namespace console
