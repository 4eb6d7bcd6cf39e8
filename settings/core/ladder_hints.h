// The averaging ladder's hover hints: the loss of the whole ladder at a level's allowed loss,
// the planned profit of a level and the total lot up to a level, all scaled by the console's
// lot multiple. Inputs are single precision; every sum and product is formed in 80-bit
// extended precision in a fixed order, because the figures show their last digits.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "common/lot_choice.h"
#include "settings/core/setting_table.h"

namespace settings {

using common::LotChoice;

// The multiple of the first checked button, 0 when none is checked.
float PipValueFactor(const LotChoice& checked);

// The decimal number the text begins with (atof-like), rounded to single precision; 0 for an
// empty text or one that does not begin with a number.
float TextToSingle(const std::string& text);

// The ladder's entries as single-precision numbers, by level (depth and multiplier 1..9,
// profit and loss 0..9; unused places hold 0).
struct LadderInputs {
  std::array<float, kLadderLevels + 1> depth{};
  std::array<float, kLadderLevels + 1> nanpin{};
  std::array<float, kLadderLevels + 1> tp{};
  std::array<float, kLadderLevels + 1> loss{};
};

// Reads every ladder edit through TextToSingle; textOfRow gives an edit's text by table row.
LadderInputs ReadLadderInputs(const std::function<std::string(int row)>& textOfRow);

// The hint of the hinted edit of a row (the row's hint kind and level): the prefix and the
// figure, or the empty text when the guard's entries are not all above 0.
std::string LadderHint(int row, const LadderInputs& in, float pipValueFactor);

}  // namespace settings
