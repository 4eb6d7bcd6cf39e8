#include "console/core/command_text.h"

#include "common/number_text.h"
#include "common/text.h"
#include "console/core/slider.h"

namespace console {

std::string GetLotText(const LotChoice& ticked) {
  const size_t i = common::FirstTickedLot(ticked);
  return std::to_string(i < kLotChoices ? common::kLotMultiples[i] : 1) + ".0";
}

const char* HedgeGuardMessage(int32_t hitCount, OrderSide side) {
  if (side == OrderSide::None) return nullptr;
  if (hitCount == kHitCountUnknown) return kHedgeRefusedText;
  // A positive count means the expert holds buys, a negative one sells.
  if (side == OrderSide::Buy && hitCount < 0) return kHedgeWarningText;
  if (side == OrderSide::Sell && hitCount > 0) return kHedgeWarningText;
  return nullptr;
}

std::string MarketOrderCommand(OrderSide side, const std::string& lot) {
  return (side == OrderSide::Sell ? "Sell_" : "Buy_") + lot;
}

const char* PendingPriceProblem(const std::string& priceText) {
  if (priceText.empty()) return kEmptyPriceText;
  // Digits and points that make no number ("1..2", ".") would reach the expert as typed: they
  // are as foreign to a price as a letter.
  if (!common::IsPriceText(priceText) || common::DecimalPrefix(priceText, 0) != priceText.size())
    return kBadPriceCharText;
  return nullptr;
}

namespace {

// The series part goes into the command only with the slider off its centre.
bool CarriesSeries(bool series, int sliderPosition) {
  return series && SliderOffsetSteps(sliderPosition) != 0;
}

}  // namespace

bool IsSeriesCount(const std::string& text) {
  if (text.empty() || common::KeepDigits(text) != text) return false;
  const size_t first = text.find_first_not_of('0');
  if (first == std::string::npos) return false;
  // The expert reads the count as a 32-bit signed integer: a larger one would wrap.
  static constexpr char kMaxCount[] = "2147483647";
  const std::string digits = text.substr(first);
  return digits.size() < sizeof kMaxCount - 1 ||
         (digits.size() == sizeof kMaxCount - 1 && digits <= kMaxCount);
}

const char* PendingCommandProblem(const std::string& command, bool series,
                                  const std::string& seriesCount, int sliderPosition) {
  if (CarriesSeries(series, sliderPosition) && !IsSeriesCount(seriesCount))
    return kBadSeriesCountText;
  // A cut command would be a different order.
  if (!CommandFits(command)) return kCommandTooLongText;
  return nullptr;
}

std::string PendingOrderCommand(const PendingOrderType& type, const std::string& lot,
                                const std::string& price, bool series,
                                const std::string& seriesCount, int sliderPosition) {
  std::string command = std::string(type.word) + "_" + lot + "=" + price;
  if (CarriesSeries(series, sliderPosition))
    command += "#" + seriesCount + "$" + common::FloatToText(SliderOffsetSteps(sliderPosition));
  return command;
}

}  // namespace console
