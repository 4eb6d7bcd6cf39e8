// The console's lot buttons, top to bottom: x1, x2, x3, x5, x10, x20. An order carries the lot
// of the first ticked button; the settings window's hints scale by its multiple.
#pragma once

#include <array>
#include <cstddef>

namespace common {

inline constexpr size_t kLotChoices = 6;
using LotChoice = std::array<bool, kLotChoices>;
inline constexpr std::array<int, kLotChoices> kLotMultiples = {1, 2, 3, 5, 10, 20};

// Index of the first ticked button, kLotChoices when none is ticked.
inline size_t FirstTickedLot(const LotChoice& ticked) {
  size_t i = 0;
  while (i < kLotChoices && !ticked[i]) ++i;
  return i;
}

}  // namespace common
