#include "bridge/core/own_indicators.h"

#include <gtest/gtest.h>
#include <ta_func.h>

#include <cmath>
#include <limits>
#include <vector>

#include "tests/native/bridge/bars.h"

namespace {

using namespace bridge;
using bridge_test::Bar;
using bridge_test::FromCloses;
using bridge_test::RandomBars;

const double kNone = std::numeric_limits<double>::quiet_NaN();

// The averages written out the long way: the whole series for every method, element by
// element, NaN where a method writes nothing.
std::vector<double> ReferenceSeries(const std::vector<double>& p, int n, int method) {
  const int count = static_cast<int>(p.size());
  std::vector<double> out(count, kNone);
  if (method == 0) {
    for (int s = 0; s < count; ++s) {
      if (s > count - n) {
        out[s] = 0.0;
        continue;
      }
      double sum = 0.0;
      for (int i = s; i < s + n; ++i) sum += p[i];
      out[s] = sum / n;
    }
  } else if (method == 1) {
    const double alpha = 2.0 / (n + 1);
    out[count - 1] = p[count - 1];
    for (int s = count - 2; s >= 0; --s) out[s] = (1 - alpha) * out[s + 1] + alpha * p[s];
  } else if (method == 2) {
    const int t0 = count - n;
    double sum = 0.0;
    for (int i = t0; i < count; ++i) sum += p[i];
    out[t0] = sum / n;
    for (int s = t0 + 1; s < count; ++s) out[s] = 0.0;
    for (int s = t0 - 1; s >= 0; --s) out[s] = ((n - 1) * out[s + 1] + p[s]) / n;
  } else if (method == 3) {
    const int w = n * (n + 1) / 2;
    double weighted = 0.0, total = 0.0;
    for (int k = 1; k <= n; ++k) {
      weighted += k * p[count - k];
      total += p[count - k];
    }
    out[count - n] = weighted / w;
    for (int s = count - n + 1; s < count; ++s) out[s] = 0.0;
    for (int s = count - n - 1; s >= 0; --s) {
      weighted = weighted - total + n * p[s];
      total = total - p[s + n] + p[s];
      out[s] = weighted / w;
    }
  } else {
    double sum = 0.0;
    for (int i = count - n + 1; i < count; ++i) sum += p[i];
    for (int s = count - n; s >= 0; --s) {
      sum = sum + p[s];
      out[s] = sum / n;
      sum = sum - p[s + n - 1];
    }
  }
  return out;
}

std::vector<double> SeriesCloses(const std::vector<BarRecord>& bars) {
  std::vector<double> p;
  for (auto it = bars.rbegin(); it != bars.rend(); ++it) p.push_back(double{it->close});
  return p;
}

// What fMA should give: the reference element, 0.0 where there is none.
double ReferenceMA(const std::vector<BarRecord>& bars, int n, int maShift, int method, int shift) {
  if (method != 0 && maShift < 0) return 0.0;
  const int index = method == 0 ? shift - maShift : shift + maShift;
  const int count = static_cast<int>(bars.size());
  if (index < 0 || index >= count || (method >= 2 && count < n)) return 0.0;
  const double v = ReferenceSeries(SeriesCloses(bars), n, method)[index];
  return std::isnan(v) ? 0.0 : v;
}

// Envelopes the long way: one whole average series per bar.
double ReferenceEnvelopes(const std::vector<BarRecord>& bars, int period, int method, int maShift,
                          double deviation, int mode, int shift) {
  const int count = static_cast<int>(bars.size());
  if (deviation < 0.1) deviation = 0.1;
  if (deviation > 100) deviation = 100;
  if (count <= period) return 0.0;
  std::vector<double> upper(count), lower(count);
  for (int i = 0; i < count; ++i) {
    const double m = ReferenceMA(bars, period, 0, method, i);
    upper[i] = m * (0.01 * deviation + 1);
    lower[i] = m * (1 - 0.01 * deviation);
  }
  const int index = shift + maShift;
  if (index < 0 || index >= count) return 0.0;
  return mode == 1 ? upper[index] : lower[index];
}

const auto kFive = FromCloses({1, 2, 3, 4, 5});

TEST(fMA, SimpleAndRunningAverages) {
  for (int method : {0, 9, 4, -1}) {
    EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, method, 0, 0), 4) << method;
    EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, method, 0, 1), 3) << method;
    EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, method, 0, 2), 2) << method;
  }
  EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, 0, 0, 3), 0.0);
  EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, 9, 0, 3), 0.0);  // never written: no value
}

TEST(fMA, LinearWeighted) {
  EXPECT_DOUBLE_EQ(fMA(kFive.data(), 5, 3, 0, 3, 0, 0), 26.0 / 6);
  EXPECT_DOUBLE_EQ(fMA(kFive.data(), 5, 3, 0, 3, 0, 1), (3 * 4 + 2 * 3 + 1 * 2) / 6.0);
  EXPECT_DOUBLE_EQ(fMA(kFive.data(), 5, 3, 0, 3, 0, 2), (3 * 3 + 2 * 2 + 1 * 1) / 6.0);
  EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, 3, 0, 3), 0.0);
}

TEST(fMA, ExponentialSeededWithTheFirstPrice) {
  EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, 1, 0, 0), 4.0625);
  EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, 1, 0, 1), 3.125);
  EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, 1, 0, 3), 1.5);
  EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, 1, 0, 4), 1);
  const auto one = FromCloses({7.25});
  EXPECT_EQ(fMA(one.data(), 1, 14, 0, 1, 0, 0), 7.25);
}

TEST(fMA, Smoothed) {
  EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, 2, 0, 2), 2);
  EXPECT_DOUBLE_EQ(fMA(kFive.data(), 5, 3, 0, 2, 0, 1), 8.0 / 3);
  EXPECT_DOUBLE_EQ(fMA(kFive.data(), 5, 3, 0, 2, 0, 0), 31.0 / 9);
  EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, 2, 0, 3), 0.0);
  EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, 2, 0, 4), 0.0);
}

TEST(fMA, MaShiftSubtractsForTheSimpleAverageAndAddsForTheOthers) {
  const auto bars = FromCloses({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  const auto at = [&](int method, int s) { return fMA(bars.data(), 10, 3, 0, method, 0, s); };
  EXPECT_EQ(fMA(bars.data(), 10, 3, 1, 0, 0, 2), at(0, 1));
  for (int method : {1, 2, 3}) {
    EXPECT_EQ(fMA(bars.data(), 10, 3, 1, method, 0, 2), at(method, 3)) << method;
    EXPECT_EQ(fMA(bars.data(), 10, 3, -1, method, 0, 2), 0.0) << method;
  }
  EXPECT_EQ(fMA(bars.data(), 10, 3, -1, 0, 0, 2), at(0, 3));  // minus a negative shift
}

TEST(fMA, AppliedPriceChoosesTheInput) {
  const std::vector<BarRecord> bars = {Bar(1, 8, 0, 2), Bar(3, 10, 2, 4)};
  EXPECT_EQ(fMA(bars.data(), 2, 2, 0, 0, 1, 0), 2);  // opens
  EXPECT_EQ(fMA(bars.data(), 2, 2, 0, 0, 2, 0), 9);  // highs
  EXPECT_EQ(fMA(bars.data(), 2, 2, 0, 0, 4, 0), 5);  // medians 4 and 6
}

TEST(fMA, MatchesTheWholeSeriesOnRandomBars) {
  const auto bars = RandomBars(120, 7);
  for (int method : {0, 1, 2, 3, 5})
    for (int n : {1, 2, 13, 119, 120})
      for (int maShift : {0, 2})
        for (int shift : {0, 1, 50, 105, 106, 117, 118, 119}) {
          ASSERT_EQ(fMA(bars.data(), 120, n, maShift, method, 0, shift),
                    ReferenceMA(bars, n, maShift, method, shift))
              << method << " " << n << " " << maShift << " " << shift;
        }
}

TEST(fMA, NoValueGivesZero) {
  EXPECT_EQ(fMA(nullptr, 5, 3, 0, 1, 0, 0), 0.0);
  EXPECT_EQ(fMA(kFive.data(), 0, 3, 0, 1, 0, 0), 0.0);
  for (int method : {0, 1, 2, 3, 5}) {
    EXPECT_EQ(fMA(kFive.data(), 5, 0, 0, method, 0, 0), 0.0) << method;
    EXPECT_EQ(fMA(kFive.data(), 5, -3, 0, method, 0, 0), 0.0) << method;
    EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, method, 7, 0), 0.0) << method;
    EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, method, 0, 5), 0.0) << method;
    EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, method, 0, -1), 0.0) << method;
    EXPECT_EQ(fMA(kFive.data(), 5, 3, 0, method, 0, 1 << 30), 0.0) << method;
    const int maShift = method == 0 ? -(1 << 30) : 1 << 30;  // the index passes 2^31
    EXPECT_EQ(fMA(kFive.data(), 5, 3, maShift, method, 0, 1 << 30), 0.0) << method;
  }
  for (int method : {2, 3, 5}) EXPECT_EQ(fMA(kFive.data(), 5, 6, 0, method, 0, 0), 0.0);
}

TEST(fStochastic, PercentKAndItsAverage) {
  // Rising bars: each bar's low is its close - 1, its high close + 1.
  std::vector<BarRecord> bars;
  bars.reserve(12);
  for (int i = 0; i < 12; ++i) bars.push_back(Bar(i, i + 1, i - 1, i));
  // k 3, slowing 2: at index j, the window of records j .. j + 2 has LL = j - 1 and
  // HH = j + 3, so each term is (j - (j - 1)) / 4 -> 25 %.
  EXPECT_DOUBLE_EQ(fStochastic(bars.data(), 12, 3, 2, 2, 0, 0, 0, 4), 25.0);
  EXPECT_DOUBLE_EQ(fStochastic(bars.data(), 12, 3, 2, 2, 0, 0, 0, 11), 25.0);
  EXPECT_DOUBLE_EQ(fStochastic(bars.data(), 12, 3, 2, 2, 0, 0, 1, 4), 25.0);
  EXPECT_DOUBLE_EQ(fStochastic(bars.data(), 12, 3, 2, 2, 0, 0, 1, 10), 25.0);
}

TEST(fStochastic, FlatWindowsGiveOneHundred) {
  const auto bars = FromCloses({2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
  EXPECT_EQ(fStochastic(bars.data(), 10, 3, 3, 3, 0, 0, 0, 5), 100.0);
  EXPECT_EQ(fStochastic(bars.data(), 10, 3, 3, 3, 0, 0, 1, 5), 100.0);
}

TEST(fStochastic, DIsTheSimpleAverageOfK) {
  const auto bars = RandomBars(60, 3);
  for (int shift = 9; shift <= 57; ++shift) {
    double sum = 0.0;
    for (int i = 0; i < 3; ++i) sum += fStochastic(bars.data(), 60, 5, 3, 5, 0, 0, 0, shift + i);
    EXPECT_NEAR(fStochastic(bars.data(), 60, 5, 3, 5, 0, 0, 1, shift), sum / 3, 1e-9) << shift;
  }
  EXPECT_EQ(fStochastic(bars.data(), 60, 5, 3, 5, 0, 0, 1, 8), 0.0);
  EXPECT_EQ(fStochastic(bars.data(), 60, 5, 3, 5, 0, 0, 1, 58), 0.0);
}

TEST(fStochastic, NoValueGivesZero) {
  const auto bars = RandomBars(20, 5);
  const BarRecord* b = bars.data();
  EXPECT_EQ(fStochastic(b, 20, 8, 6, 6, 0, 0, 0, 15), 0.0);  // k + slowing + d = count
  EXPECT_NE(fStochastic(b, 20, 8, 5, 6, 0, 0, 0, 15), 0.0);
  EXPECT_EQ(fStochastic(b, 20, 5, 3, 3, 0, 0, 0, 6), 0.0);  // %K not computed there
  EXPECT_NE(fStochastic(b, 20, 5, 3, 3, 0, 0, 0, 7), 0.0);
  EXPECT_EQ(fStochastic(b, 20, 5, 3, 3, 0, 0, 0, 20), 0.0);
  EXPECT_EQ(fStochastic(b, 20, 5, 3, 3, 0, 0, 1, 18), 0.0);  // %D window before the start
  EXPECT_EQ(fStochastic(b, 20, 5, 3, 3, 0, 0, 0, -1), 0.0);
  EXPECT_EQ(fStochastic(b, 20, 5, 3, 3, 0, 0, 2, 8), 0.0);
  EXPECT_EQ(fStochastic(b, 20, 5, 3, 3, 0, 9, 0, 8), 0.0);
  EXPECT_EQ(fStochastic(b, 20, 0, 3, 3, 0, 0, 0, 8), 0.0);
  EXPECT_EQ(fStochastic(b, 20, 5, -3, 3, 0, 0, 0, 8), 0.0);
  EXPECT_EQ(fStochastic(b, 20, 5, 3, 0, 0, 0, 0, 8), 0.0);
  EXPECT_EQ(fStochastic(nullptr, 20, 5, 3, 3, 0, 0, 0, 8), 0.0);
  EXPECT_EQ(fStochastic(b, 20, 1 << 30, 1 << 30, 1 << 30, 0, 0, 0, 8), 0.0);
}

TEST(fEnvelopes, BandsAroundTheAverage) {
  const auto bars = FromCloses({1, 2, 3, 4, 5, 6});
  const double m = fMA(bars.data(), 6, 3, 0, 0, 0, 1);
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 3, 0, 0, 0, 10, 1, 1), m * (0.01 * 10 + 1));
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 3, 0, 0, 0, 10, 2, 1), m * (1 - 0.01 * 10));
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 3, 0, 1, 0, 10, 1, 0),
            fEnvelopes(bars.data(), 6, 3, 0, 0, 0, 10, 1, 1));
}

TEST(fEnvelopes, DeviationIsHeldWithinItsRange) {
  const auto bars = FromCloses({1, 2, 3, 4, 5, 6});
  const double m = fMA(bars.data(), 6, 3, 0, 1, 0, 0);
  for (double low : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN()})
    EXPECT_EQ(fEnvelopes(bars.data(), 6, 3, 1, 0, 0, low, 1, 0), m * (0.01 * 0.1 + 1));
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 3, 1, 0, 0, 250, 2, 0), 0.0);
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 3, 1, 0, 0, 250, 1, 0), m * 2);
}

TEST(fEnvelopes, NoValueGivesZero) {
  const auto bars = FromCloses({1, 2, 3, 4, 5, 6});
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 6, 0, 0, 0, 1, 1, 0), 0.0);  // count equals the period
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 3, 0, -1, 0, 1, 1, 0), 0.0);
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 3, 0, 3, 0, 1, 1, 3), 0.0);
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 3, 0, 0, 0, 1, 0, 0), 0.0);
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 3, 0, 0, 0, 1, 3, 0), 0.0);
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 3, 0, 0, 8, 1, 1, 0), 0.0);
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 0, 0, 0, 0, 1, 1, 0), 0.0);
  EXPECT_EQ(fEnvelopes(nullptr, 6, 3, 0, 0, 0, 1, 1, 0), 0.0);
  EXPECT_EQ(fEnvelopes(bars.data(), 6, 3, 0, 1 << 30, 0, 1, 1, 1 << 30), 0.0);
}

TEST(fEnvelopes, EqualsTheBandOfThePerBarAverages) {
  const auto bars = RandomBars(90, 11);
  for (int method : {0, 1, 2, 3, 6})
    for (int period : {1, 5, 21, 89})
      for (int maShift : {0, 3})
        for (int mode : {1, 2})
          for (int shift : {0, 1, 40, 69, 70, 85, 86, 89})
            ASSERT_EQ(fEnvelopes(bars.data(), 90, period, method, maShift, 0, 0.35, mode, shift),
                      ReferenceEnvelopes(bars, period, method, maShift, 0.35, mode, shift))
                << method << " " << period << " " << maShift << " " << mode << " " << shift;
}

}  // namespace
