#include "bridge/core/bar_record.h"

namespace bridge {

// The typical price is scaled by the extended-precision third and only then rounded to a
// double, so it matches what the expert's own platform computes to the last bit.
static constexpr long double kOneThird = 1.0L / 3.0L;

namespace {

inline double TypicalPrice(const BarRecord& bar) {
  const double sum = bar.high + bar.low + bar.close;
  return static_cast<double>(sum * kOneThird);
}

template <class Price>
void Fill(const BarRecord* bars, int count, bool reversed, double* out, Price price) {
  if (reversed) {
    for (int i = 0; i < count; ++i) out[i] = price(bars[count - 1 - i]);
  } else {
    for (int i = 0; i < count; ++i) out[i] = price(bars[i]);
  }
}

}  // namespace

double AppliedPrice(const BarRecord& bar, int code) {
  switch (code) {
    case 0:
      return bar.close;
    case 1:
      return bar.open;
    case 2:
      return bar.high;
    case 3:
      return bar.low;
    case 4:
      return (bar.high + bar.low) * 0.5;
    case 5:
      return TypicalPrice(bar);
    case 6:
      return (bar.high + bar.low + bar.close + bar.close) * 0.25;
    default:
      return 0.0;
  }
}

// The price chosen once for the whole array: this loop is most of what an indicator export
// adds to the TA-Lib call it makes.
void FillAppliedPrice(const BarRecord* bars, int count, int code, bool reversed, double* out) {
  switch (code) {
    case 0:
      return Fill(bars, count, reversed, out, [](const BarRecord& b) { return b.close; });
    case 1:
      return Fill(bars, count, reversed, out, [](const BarRecord& b) { return b.open; });
    case 2:
      return Fill(bars, count, reversed, out, [](const BarRecord& b) { return b.high; });
    case 3:
      return Fill(bars, count, reversed, out, [](const BarRecord& b) { return b.low; });
    default:
      return Fill(bars, count, reversed, out,
                  [code](const BarRecord& b) { return AppliedPrice(b, code); });
  }
}

}  // namespace bridge
