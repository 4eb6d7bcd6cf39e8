// Prices as the console shows them: the quote kind, the mask of each kind, the price
// ladder's steps and the price taken from the price map ("Get").
#pragma once

#include <string>

namespace console {

// Above 9.9 a quote is large (three decimals), else small (five decimals).
inline bool IsLargeQuote(long double price) {
  return price > 9.9L;
}
// The kind an order takes from the price map's text, read tolerantly (no number counts as 0).
bool IsLargeQuoteText(const std::string& priceText);
inline const char* PriceMask(long double price) {
  return IsLargeQuote(price) ? "###.000" : "###.00000";
}

// The number text of a price laid out by the mask of its kind, from its plain decimal digits
// however small it is (2.345e-5 gives 0.00002).
std::string FormatPriceValue(long double price);

// The price map's text while the terminal side is not ready: empty, or just 0.
bool IsPriceMapReady(const std::string& priceText);

inline constexpr char kNotReadyText[] = "MT4側の準備が出来ていません";

// The three pairs of ladder buttons, from the coarsest (leftmost) to the finest.
enum class LadderTier { Coarse, Middle, Fine };

// The ladder steps the typed price only when it is a plain, non-empty price text and Shift
// is not held; otherwise the button reloads the current price.
bool LadderStepsTypedPrice(const std::string& priceText, bool shiftDown);

// The typed price moved one step up (direction +1) or down (-1); step and mask follow the
// price before the step. Throws ConversionError for a text that is no number ("1.2.3").
std::string LadderStepPrice(const std::string& priceText, LadderTier tier, int direction);

// "Get": the price box text for the price map's text. Not ready: the text as read (the
// caller then shows kNotReadyText). Throws ConversionError for a text that is no number.
struct PriceFromMap {
  std::string text;
  bool ready;
};
PriceFromMap PriceFromMapText(const std::string& priceText);

}  // namespace console
