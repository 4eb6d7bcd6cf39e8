// The vertical slider beside the pending-order buttons: its offset from the centre in steps,
// the mirror that flips it to the other side, and the pending price it sets when the price
// follows the current price ("指値増減指定").
#pragma once

#include <string>

#include "console/core/command_text.h"

namespace console {

inline constexpr int kSliderMax = 100;
inline constexpr int kSliderCentre = kSliderMax / 2;

// Steps from the centre: positive above it (positions below 50), negative below it.
inline int SliderOffsetSteps(int position) {
  return kSliderCentre - position;
}

// The position on the other side of the centre at the same distance (30 <-> 70).
inline int MirroredSliderPosition(int position) {
  return position == kSliderCentre ? position : 2 * kSliderCentre - position;
}

// With automatic trend following a buy always gets a non-negative offset and a sell a
// non-positive one: true when the slider sits on the wrong side for this order.
bool SliderNeedsMirror(OrderSide side, int position);

// The slider's hint for an offset in steps: "+12", "-7", "0" (at most 6 characters).
std::string SliderStepHint(int position);

// The pending price from the current price and the slider, as sent with an order.
struct SliderOffsetResult {
  std::string price;  // new text of the pending price box
  std::string hint;   // new hint of the slider
};
// The step is 0.01 for a large quote and 0.0001 for a small one; the price is the tolerant
// read of the price text (0 when it holds no number). The sum is exact and then cut (not
// rounded) to the decimals of the mask its value chooses: 150.300 ten steps down is 150.200.
SliderOffsetResult ComputeSliderOffset(bool largeQuote, const std::string& priceText, int position);

// The once-a-second preview of the pending price while it follows the current price: the
// price and hint an order sent now would set, with the quote kind taken as the order takes it.
SliderOffsetResult PreviewSliderOffset(const std::string& priceText, int position);

}  // namespace console
