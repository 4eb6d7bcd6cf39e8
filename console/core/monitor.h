// What the once-a-second monitor makes of the shared texts: the current price and the
// preview of the pending price, the colour of the price box, the pending command's word and
// colour, and the expert's HitCount from its state report.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/colours.h"
#include "console/core/slider.h"

namespace console {

// Colours are 0x00BBGGRR; kSystemWindowColour stands for the system's window background.
using Colour = uint32_t;
using common::kSystemWindowColour;

struct MonitorPrice {
  bool ready = false;          // false: the terminal side is not ready (or sent no number)
  std::string nowPrice;        // text of the current-price box
  SliderOffsetResult preview;  // pending price and slider hint when following the price
};
// From the first 7 bytes of the price map and the slider's position.
MonitorPrice ReadMonitorPrice(const std::string& priceText, int sliderPosition);

// The pending price box against the current price: below the set price 0xCCFFCC, equal
// 0xFFFFFF, above 0xAAFFFF; nothing when either box holds no number.
std::optional<Colour> PriceBoxColour(const std::string& nowPriceText,
                                     const std::string& setPriceText);

struct PendingDisplay {
  std::string text;
  Colour colour;
};
// The command's word (before the first "_") as the pending command. With no command waiting:
// "Nothing" while the terminal side is ready, the empty text while it is not.
PendingDisplay PendingCommandDisplay(const std::string& commandText, bool terminalReady);

// The count from the expert's state report: the last "HitCount" line after the
// "PelmorarInfo" header; 10000 when there is none.
int32_t ParseHitCount(const std::string& infoText);

}  // namespace console
