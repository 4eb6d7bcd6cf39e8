#include "bridge/core/bar_record.h"

namespace bridge {

// The typical price is scaled by the extended-precision third and only then rounded to a
// double, so it matches what the expert's own platform computes to the last bit.
static constexpr long double kOneThird = 1.0L / 3.0L;

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
    case 5: {
      const double sum = bar.high + bar.low + bar.close;
      return static_cast<double>(sum * kOneThird);
    }
    case 6:
      return (bar.high + bar.low + bar.close + bar.close) * 0.25;
    default:
      return 0.0;
  }
}

}  // namespace bridge
