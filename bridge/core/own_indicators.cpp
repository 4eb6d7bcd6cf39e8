#include "bridge/core/own_indicators.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "bridge/core/talib_indicators.h"

namespace bridge {
namespace {

using Prices = std::vector<double>;

// p[s] is the applied price at series index s.
Prices SeriesPrices(const BarRecord* bars, int count, int appliedPrice) {
  Prices p(static_cast<size_t>(count));
  FillAppliedPrice(bars, count, appliedPrice, true, p.data());
  return p;
}

// Each series below runs from the oldest prices towards series index 0 and every element
// depends only on the older ones, so the walk stops at the index asked for: the value is
// the one the whole series would hold there, at the cost of one pass at most.

// (p[s] + ... + p[s+n-1]) / n, summed from p[s] onward.
double WindowAverage(const Prices& p, int n, int s) {
  double sum = 0.0;
  for (int i = s; i < s + n; ++i) sum += p[i];
  return sum / n;
}

double SmaSeries(const Prices& p, int n, int s) {
  const int count = static_cast<int>(p.size());
  if (s > count - n) return 0.0;
  return WindowAverage(p, n, s);
}

// Seeded with the oldest price.
double EmaSeries(const Prices& p, int n, int s) {
  const int count = static_cast<int>(p.size());
  const double alpha = 2.0 / (static_cast<double>(n) + 1.0);
  double out = p[count - 1];
  for (int i = count - 2; i >= s; --i) out = (1 - alpha) * out + alpha * p[i];
  return out;
}

// Seeded with the simple average of the n oldest prices; nothing older than the seed.
double SmmaSeries(const Prices& p, int n, int s) {
  const int count = static_cast<int>(p.size());
  const int seed = count - n;
  if (seed < 0 || s > seed) return 0.0;
  double sum = 0.0;
  for (int i = seed; i < count; ++i) sum += p[i];
  double out = sum / n;
  for (int i = seed - 1; i >= s; --i) out = ((n - 1) * out + p[i]) / n;
  return out;
}

// Weights n (newest) down to 1 (oldest) over W = n(n + 1) / 2, moved one bar at a time.
double LwmaSeries(const Prices& p, int n, int s) {
  const int count = static_cast<int>(p.size());
  const int first = count - n;
  if (first < 0 || s > first) return 0.0;
  const int64_t weightSum = int64_t{n} * (n + 1) / 2;  // n(n + 1) is even: exact
  const double weights = static_cast<double>(weightSum);
  double weighted = 0.0, total = 0.0;
  for (int i = count - 1, w = 1; i >= first; --i, ++w) {
    weighted += static_cast<double>(w) * p[i];
    total += p[i];
  }
  double out = weighted / weights;
  for (int i = first - 1; i >= s; --i) {
    weighted = weighted - total + static_cast<double>(n) * p[i];
    total = total - p[i + n] + p[i];
    out = weighted / weights;
  }
  return out;
}

// The simple average kept as a running sum.
double SmaRunning(const Prices& p, int n, int s) {
  const int count = static_cast<int>(p.size());
  const int first = count - n;
  if (first < 0 || s > first) return 0.0;
  double sum = 0.0;
  for (int i = first + 1; i < count; ++i) sum += p[i];
  double out = 0.0;
  for (int i = first; i >= s; --i) {
    sum = sum + p[i];
    out = sum / n;
    sum = sum - p[i + n - 1];
  }
  return out;
}

}  // namespace

double fMA(const BarRecord* bars, int count, int period, int maShift, int method, int appliedPrice,
           int shift) {
  if (!HasBars(bars, count) || !IsAppliedPriceCode(appliedPrice) || period < 1) return 0.0;
  if (method != 0 && maShift < 0) return 0.0;
  const int64_t index = method == 0 ? int64_t{shift} - maShift : int64_t{shift} + maShift;
  if (index < 0 || index >= count) return 0.0;
  const Prices p = SeriesPrices(bars, count, appliedPrice);
  const int s = static_cast<int>(index);
  switch (method) {
    case 0:
      return SmaSeries(p, period, s);
    case 1:
      return EmaSeries(p, period, s);
    case 2:
      return SmmaSeries(p, period, s);
    case 3:
      return LwmaSeries(p, period, s);
    default:
      return SmaRunning(p, period, s);
  }
}

double fStochastic(const BarRecord* bars, int count, int kPeriod, int dPeriod, int slowing,
                   int /*method*/, int appliedPrice, int mode, int shift) {
  if (!HasBars(bars, count) || !IsAppliedPriceCode(appliedPrice) || kPeriod < 1 || dPeriod < 1 ||
      slowing < 1 || (mode != 0 && mode != 1) || shift < 0)
    return 0.0;
  if (int64_t{kPeriod} + slowing + dPeriod >= count) return 0.0;
  // %K exists for indices 0 .. lastK; the rest of the array stays 0.0 and is never read
  // for a value we return (the average at an index only looks at lower indices).
  const int lastK = count - kPeriod - slowing;
  const int at = count - 1 - shift;
  if (at < 0 || at > lastK) return 0.0;

  std::vector<double> price(count), lowest(count), highest(count), k(count, 0.0);
  FillAppliedPrice(bars, count, appliedPrice, false, price.data());
  for (int m = count - kPeriod; m >= 0; --m) {
    double ll = 1000000.0, hh = -1000000.0;
    for (int i = m; i < m + kPeriod; ++i) {
      if (bars[i].low < ll) ll = bars[i].low;
      if (bars[i].high > hh) hh = bars[i].high;
    }
    lowest[m] = ll;
    highest[m] = hh;
  }
  for (int j = lastK; j >= 0; --j) {
    double num = 0.0, den = 0.0;
    for (int i = j + slowing - 1; i >= j; --i) {
      num += price[i] - lowest[i];
      den += highest[i] - lowest[i];
    }
    k[j] = den == 0.0 ? 100.0 : num / den * 100;
  }
  if (mode == 0) return k[at];
  return dMAOnArray(k.data(), count, dPeriod, 0, 0, shift);
}

double fEnvelopes(const BarRecord* bars, int count, int period, int method, int maShift,
                  int appliedPrice, double deviation, int mode, int shift) {
  if (std::isnan(deviation) || deviation < 0.1) deviation = 0.1;
  if (deviation > 100) deviation = 100;
  if (count <= period) return 0.0;
  const int64_t index = int64_t{shift} + maShift;
  if (index < 0 || index >= count || (mode != 1 && mode != 2)) return 0.0;
  // Only the band at `index` is returned, so the average is computed there alone; the
  // value is the one the per-bar series would hold.
  const double average = fMA(bars, count, period, 0, method, appliedPrice, static_cast<int>(index));
  if (mode == 1) return average * (0.01 * deviation + 1);
  return average * (1 - 0.01 * deviation);
}

}  // namespace bridge
