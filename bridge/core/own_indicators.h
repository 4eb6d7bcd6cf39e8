// Moving averages, stochastic and envelopes computed with the library's own arithmetic
// (sums and quotients kept as doubles between steps). Arguments that leave no value (no
// bars, a period below 1, an unknown applied price or mode, an index outside the series)
// give 0.0.
#pragma once

#include "bridge/core/bar_record.h"

namespace bridge {

// Works in series order. method: 0 simple, 1 exponential, 2 smoothed, 3 linear weighted,
// any other code the running simple average. Method 0 returns the element at
// shift - maShift, the others the element at shift + maShift (0.0 for a negative maShift).
double fMA(const BarRecord* bars, int count, int period, int maShift, int method, int appliedPrice,
           int shift);

// Works in array order; mode 0 %K, mode 1 %D (the simple average of dPeriod %K values).
// The method is not used.
double fStochastic(const BarRecord* bars, int count, int kPeriod, int dPeriod, int slowing,
                   int method, int appliedPrice, int mode, int shift);

// Bands deviation percent above (mode 1) and below (mode 2) fMA at series index
// shift + maShift; the deviation is held within 0.1 to 100.
double fEnvelopes(const BarRecord* bars, int count, int period, int method, int maShift,
                  int appliedPrice, double deviation, int mode, int shift);

}  // namespace bridge
