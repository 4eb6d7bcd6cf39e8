// Classic indicators computed by TA-Lib over the whole array (array order: element i from
// record i), returning output element outNBElement - 1 - shift. Every argument that leaves
// no element to pick (too few bars, a period TA-Lib refuses, an end index outside the array,
// a negative shift, an unknown method, price or mode code) gives 0.0.
#pragma once

#include "bridge/core/bar_record.h"

namespace bridge {

// method: 0 SMA, 1 EMA, 2 smoothed (EMA of period 2n - 1), 3 WMA, 4 TEMA, 5 TRIMA, 6 KAMA,
// 7 MAMA, 8 T3. The average ends at element count - 1 - maShift.
double dMAOnArray(const double* values, int count, int period, int maShift, int method, int shift);
double dMA(const BarRecord* bars, int count, int period, int maShift, int method, int appliedPrice,
           int shift);
double MoA15(const BarRecord* bars, int count, int period, int maShift, int method,
             int appliedPrice, int shift);
// mode: 0 MACD line, 1 signal line, 2 histogram. A signal period of 1 leaves the line
// unsmoothed: the signal line is the MACD line and the histogram 0.
double dMACD(const BarRecord* bars, int count, int fastPeriod, int slowPeriod, int signalPeriod,
             int appliedPrice, int mode, int shift);
double dRSI(const BarRecord* bars, int count, int period, int appliedPrice, int shift);
// mode: 0 slow %K, 1 slow %D (always triangular). Method 2 turns both the %K period and the
// slowing into 2n - 1; a method outside 0 to 8 is the simple average.
double dStochastic(const BarRecord* bars, int count, int kPeriod, int slowing, int dPeriod,
                   int method, int appliedPrice, int mode, int shift);
// mode: 0 middle, 1 upper, 2 lower band; deviation whole standard deviations, both bands.
double dBands(const BarRecord* bars, int count, int period, int deviation, int bandsShift,
              int appliedPrice, int mode, int shift);

}  // namespace bridge
