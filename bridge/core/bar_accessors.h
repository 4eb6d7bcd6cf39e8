// Single values of a bar array: one field of one bar, and the series index of the highest
// or lowest value over a range. Arguments that leave no bar to read give 0.0 (0 for the
// extremes).
#pragma once

#include "bridge/core/bar_record.h"

namespace bridge {

// The field at series index shift; a shift of count or more reads the first record.
double fOpen(const BarRecord* bars, int count, int shift);
double fClose(const BarRecord* bars, int count, int shift);
double fHigh(const BarRecord* bars, int count, int shift);
double fLow(const BarRecord* bars, int count, int shift);

// type: 0 open, 1 low, 2 high, 3 close. Scans series indices start .. end - 1 (end limited
// to count). fHighest: the first index whose value beats every earlier one and 0.0;
// fLowest: the first index of the lowest value above 0.0. 0 when nothing qualifies.
int fHighest(const BarRecord* bars, int count, int type, int end, int start);
int fLowest(const BarRecord* bars, int count, int type, int end, int start);

}  // namespace bridge
