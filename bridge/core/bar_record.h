// The terminal's bar record as the expert hands it over, the series index that counts bars
// back from the end of the array, and the applied price codes the indicators take.
#pragma once

#include <cstdint>

namespace bridge {

#pragma pack(push, 1)
struct BarRecord {
  int64_t time;
  double open;
  double high;
  double low;
  double close;
  int64_t tickVolume;
  int32_t spread;
  int64_t realVolume;
};
#pragma pack(pop)
static_assert(sizeof(BarRecord) == 60, "the terminal passes packed 60-byte bar records");

// No export reads anything when the array is missing or empty.
inline bool HasBars(const void* bars, int count) {
  return bars != nullptr && count >= 1;
}

// Series index s is array record count - 1 - s: s = 0 is the last record passed.
inline const BarRecord& SeriesBar(const BarRecord* bars, int count, int s) {
  return bars[count - 1 - s];
}

// Applied price codes 0 to 6: close, open, high, low, median, typical, weighted close.
inline bool IsAppliedPriceCode(int code) {
  return code >= 0 && code <= 6;
}

// The applied price of one bar; 0.0 for a code outside 0 to 6 (callers check first).
double AppliedPrice(const BarRecord& bar, int code);

// The applied price of every bar: out[i] from bars[i], or from bars[count - 1 - i] when
// reversed (series order).
void FillAppliedPrice(const BarRecord* bars, int count, int code, bool reversed, double* out);

}  // namespace bridge
