#include "console/core/monitor.h"

#include "common/number_text.h"
#include "common/text.h"
#include "console/core/command_text.h"
#include "console/core/price_text.h"

namespace console {

namespace {

std::optional<long double> NumberOf(const std::string& text) {
  try {
    return common::TextToFloat(text);
  } catch (const common::ConversionError&) {
    return std::nullopt;
  }
}

}  // namespace

MonitorPrice ReadMonitorPrice(const std::string& priceText, int sliderPosition) {
  MonitorPrice result;
  if (!IsPriceMapReady(priceText)) return result;
  // A price text that is no number is treated like a map that is not ready yet: an error box
  // raised by a timer tick would come back every second.
  const std::optional<long double> price = NumberOf(priceText);
  if (!price) return result;
  result.ready = true;
  result.nowPrice = FormatPriceValue(*price);
  result.preview = PreviewSliderOffset(priceText, sliderPosition);
  return result;
}

std::optional<Colour> PriceBoxColour(const std::string& nowPriceText,
                                     const std::string& setPriceText) {
  const std::optional<long double> now = NumberOf(nowPriceText);
  const std::optional<long double> set = NumberOf(setPriceText);
  if (!now || !set) return std::nullopt;
  if (*now < *set) return 0xCCFFCC;
  if (*now == *set) return 0xFFFFFF;
  return 0xAAFFFF;
}

PendingDisplay PendingCommandDisplay(const std::string& commandText, bool terminalReady) {
  struct Row {
    const char* word;
    Colour colour;
  };
  static constexpr Row kRows[] = {
      {"Buy", 0xFFFFAA},       {"BuyLimit", 0xFFFFAA},   {"BuyStop", 0xFFFFAA},
      {"Sell", 0xAAAAFF},      {"SellLimit", 0xAAAAFF},  {"SellStop", 0xAAAAFF},
      {"DeleteBuy", 0x99FF99}, {"DeleteSell", 0x99FF99}, {"DeleteAll", 0x99FF99},
      {"CloseBuy", 0x99FF99},  {"CloseSell", 0x99FF99},  {"CloseAll", 0x99FF99},
      {"Nanpin", 0x00FFFF},
  };
  std::string rest = commandText;
  const std::string word = common::CutBefore("_", rest);
  for (const Row& row : kRows)
    if (word == row.word) return {word, row.colour};
  return {terminalReady ? "Nothing" : "", kSystemWindowColour};
}

int32_t ParseHitCount(const std::string& infoText) {
  static constexpr char kHeader[] = "PelmorarInfo";
  static constexpr char kCountKey[] = "HitCount";
  const int headerLength = sizeof kHeader - 1;
  const int keyLength = sizeof kCountKey - 1;
  int32_t result = kHitCountUnknown;
  bool inSection = false;
  std::string rest = infoText;
  while (!rest.empty()) {
    const std::string line = common::CutBefore("\r\n", rest);
    if (line.empty()) continue;
    if (common::LeftText(headerLength, line) == kHeader) {
      inSection = true;
    } else if (inSection && common::LeftText(keyLength, line) == kCountKey) {
      // The key, one separator of any kind, then the number.
      result = common::SafeStrToInt(line.size() > size_t(keyLength) + 1 ? line.substr(keyLength + 1)
                                                                        : "");
    }
  }
  return result;
}

}  // namespace console
