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
  if (!common::IsPriceText(priceText)) return kBadPriceCharText;
  return nullptr;
}

namespace {

// The series part goes into the command only with the slider off its centre.
bool CarriesSeries(bool series, int sliderPosition) {
  return series && SliderOffsetSteps(sliderPosition) != 0;
}

}  // namespace

bool IsSeriesCount(const std::string& text) {
  return !text.empty() && common::KeepDigits(text) == text &&
         text.find_first_not_of('0') != std::string::npos;
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
