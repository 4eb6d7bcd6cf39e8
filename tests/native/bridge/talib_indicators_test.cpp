#include "bridge/core/talib_indicators.h"

#include <gtest/gtest.h>
#include <ta_func.h>

#include <cmath>
#include <vector>

#include "tests/native/bridge/bars.h"

namespace {

using namespace bridge;
using bridge_test::Bar;
using bridge_test::FromCloses;
using bridge_test::RandomBars;

std::vector<double> Closes(const std::vector<BarRecord>& bars) {
  std::vector<double> c;
  c.reserve(bars.size());
  for (const auto& b : bars) c.push_back(double{b.close});
  return c;
}

// TA-Lib's own moving average ending at element end, `back` elements before it.
double RawMA(const std::vector<double>& in, int end, int period, TA_MAType type, int back) {
  std::vector<double> out(in.size());
  int begin = 0, n = 0;
  if (TA_MA(0, end, in.data(), period, type, &begin, &n, out.data()) != TA_SUCCESS) return -1;
  return out[n - 1 - back];
}

const std::vector<double> kTwenty = {1,  2,  3,  5,  8,  13, 21, 34, 55, 89,
                                     90, 80, 70, 60, 50, 45, 40, 35, 33, 31};

TEST(dMA, SimpleAverageOfTheLastCloses) {
  const auto bars = FromCloses(kTwenty);
  EXPECT_DOUBLE_EQ(dMA(bars.data(), 20, 5, 0, 0, 0, 0), (45 + 40 + 35 + 33 + 31) / 5.0);
  EXPECT_DOUBLE_EQ(dMA(bars.data(), 20, 5, 0, 0, 0, 1), (50 + 45 + 40 + 35 + 33) / 5.0);
  EXPECT_DOUBLE_EQ(dMA(bars.data(), 20, 5, 2, 0, 0, 0), (60 + 50 + 45 + 40 + 35) / 5.0);
  EXPECT_DOUBLE_EQ(dMAOnArray(kTwenty.data(), 20, 5, 0, 0, 0), (45 + 40 + 35 + 33 + 31) / 5.0);
}

TEST(dMA, MethodCodesMapToTaLibAverages) {
  const auto bars = RandomBars(200, 1);
  const auto in = Closes(bars);
  const struct {
    int method;
    TA_MAType type;
    int period;
  } table[] = {{0, TA_MAType_SMA, 14},  {1, TA_MAType_EMA, 14},  {2, TA_MAType_EMA, 27},
               {3, TA_MAType_WMA, 14},  {4, TA_MAType_TEMA, 14}, {5, TA_MAType_TRIMA, 14},
               {6, TA_MAType_KAMA, 14}, {7, TA_MAType_MAMA, 14}, {8, TA_MAType_T3, 14}};
  for (const auto& row : table) {
    for (int shift : {0, 3}) {
      const double expected = RawMA(in, 199 - 2, row.period, row.type, shift);
      EXPECT_EQ(dMA(bars.data(), 200, 14, 2, row.method, 0, shift), expected) << row.method;
      EXPECT_EQ(MoA15(bars.data(), 200, 14, 2, row.method, 0, shift), expected) << row.method;
      EXPECT_EQ(dMAOnArray(in.data(), 200, 14, 2, row.method, shift), expected) << row.method;
    }
  }
}

TEST(dMA, AppliedPriceArraysInArrayOrder) {
  const std::vector<BarRecord> bars = {Bar(1, 6, 0, 2), Bar(3, 10, 2, 4)};
  EXPECT_DOUBLE_EQ(dMA(bars.data(), 2, 2, 0, 0, 1, 0), 2);         // opens
  EXPECT_DOUBLE_EQ(dMA(bars.data(), 2, 1, 0, 0, 3, 0), 2);         // last low
  EXPECT_DOUBLE_EQ(dMA(bars.data(), 2, 1, 0, 0, 3, 1), 0);         // first low
  EXPECT_DOUBLE_EQ(dMA(bars.data(), 2, 1, 0, 0, 5, 0), 16 / 3.0);  // typical
  EXPECT_DOUBLE_EQ(dMA(bars.data(), 2, 1, 0, 0, 6, 1), 2.5);       // weighted close
}

TEST(dMA, NoElementGivesZero) {
  const auto bars = FromCloses(kTwenty);
  const BarRecord* b = bars.data();
  EXPECT_EQ(dMA(b, 20, 5, 0, 0, 0, 16), 0.0);  // only 16 averages
  EXPECT_NE(dMA(b, 20, 5, 0, 0, 0, 15), 0.0);
  EXPECT_EQ(dMA(b, 20, 5, 0, 0, 0, -1), 0.0);
  EXPECT_EQ(dMA(b, 20, 21, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(dMA(b, 20, 0, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(dMA(b, 20, -4, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(dMA(b, 20, 200000, 0, 0, 0, 0), 0.0);   // refused by TA-Lib
  EXPECT_EQ(dMA(b, 20, 1 << 30, 0, 2, 0, 0), 0.0);  // 2n - 1 beyond int
  EXPECT_EQ(dMA(b, 20, 5, 20, 0, 0, 0), 0.0);       // end index below 0
  EXPECT_EQ(dMA(b, 20, 5, -1, 0, 0, 0), 0.0);       // would end past the last bar
  EXPECT_EQ(dMA(b, 20, 5, 0, 9, 0, 0), 0.0);
  EXPECT_EQ(dMA(b, 20, 5, 0, -1, 0, 0), 0.0);
  EXPECT_EQ(dMA(b, 20, 5, 0, 0, 7, 0), 0.0);
  EXPECT_EQ(dMA(nullptr, 20, 5, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(dMA(b, 0, 5, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(dMAOnArray(nullptr, 20, 5, 0, 0, 0), 0.0);
  EXPECT_EQ(dMAOnArray(kTwenty.data(), -1, 5, 0, 0, 0), 0.0);
}

TEST(dMACD, ModesPickTheThreeLines) {
  const auto bars = RandomBars(150, 2);
  const auto in = Closes(bars);
  std::vector<double> macd(150), signal(150), hist(150);
  int begin = 0, n = 0;
  ASSERT_EQ(
      TA_MACD(0, 149, in.data(), 12, 26, 9, &begin, &n, macd.data(), signal.data(), hist.data()),
      TA_SUCCESS);
  EXPECT_EQ(dMACD(bars.data(), 150, 12, 26, 9, 0, 0, 0), macd[n - 1]);
  EXPECT_EQ(dMACD(bars.data(), 150, 12, 26, 9, 0, 1, 2), signal[n - 3]);
  EXPECT_EQ(dMACD(bars.data(), 150, 12, 26, 9, 0, 2, 5), hist[n - 6]);
  EXPECT_EQ(dMACD(bars.data(), 150, 12, 26, 9, 0, 3, 0), 0.0);
  EXPECT_EQ(dMACD(bars.data(), 150, 12, 26, 9, 0, -1, 0), 0.0);
  EXPECT_EQ(dMACD(bars.data(), 150, 12, 26, 9, 0, 0, n), 0.0);
  EXPECT_EQ(dMACD(bars.data(), 150, 0, 26, 9, 0, 0, 0), 0.0);
  EXPECT_EQ(dMACD(bars.data(), 30, 12, 26, 9, 0, 0, 0), 0.0);  // too few bars
}

TEST(dMACD, SignalPeriodOneIsTheLineItself) {
  // Fast 2 and slow 3 over closes 1, 2, 4, 8, 16. Both averages start at the third close: the
  // slow one at the mean of the first three (7/3), the fast one at the mean of the two before
  // it (3); each then moves by (close - average) * 2 / (period + 1). The line is
  // 3 - 7/3 = 2/3, then 19/3 - 31/6 = 7/6, then 115/9 - 127/12 = 79/36.
  const auto bars = FromCloses({1, 2, 4, 8, 16});
  const BarRecord* b = bars.data();
  const double line[] = {79 / 36.0, 7 / 6.0, 2 / 3.0};
  for (int shift = 0; shift < 3; ++shift) {
    EXPECT_DOUBLE_EQ(dMACD(b, 5, 2, 3, 1, 0, 0, shift), line[shift]) << shift;
    EXPECT_DOUBLE_EQ(dMACD(b, 5, 2, 3, 1, 0, 1, shift), line[shift]) << shift;
    EXPECT_EQ(dMACD(b, 5, 2, 3, 1, 0, 2, shift), 0.0) << shift;
    EXPECT_DOUBLE_EQ(dMACD(b, 5, 3, 2, 1, 0, 0, shift), line[shift]) << shift;  // as 2, 3
  }
  EXPECT_EQ(dMACD(b, 5, 2, 3, 1, 0, 0, 3), 0.0);
}

TEST(dRSI, RisingClosesGiveOneHundred) {
  std::vector<double> closes;
  closes.reserve(30);
  for (int i = 0; i < 30; ++i) closes.push_back(1 + i * 0.01);
  const auto bars = FromCloses(closes);
  EXPECT_DOUBLE_EQ(dRSI(bars.data(), 30, 14, 0, 0), 100.0);
  EXPECT_DOUBLE_EQ(dRSI(bars.data(), 30, 14, 0, 15), 100.0);
  EXPECT_EQ(dRSI(bars.data(), 30, 14, 0, 16), 0.0);  // 16 values only
  EXPECT_EQ(dRSI(bars.data(), 30, 1, 0, 0), 0.0);    // TA-Lib refuses period 1
  EXPECT_EQ(dRSI(bars.data(), 30, 14, -2, 0), 0.0);
}

double RawStoch(const std::vector<BarRecord>& bars, int k, int slow, TA_MAType slowType, int d,
                int out, int shift) {
  std::vector<double> high, low, close;
  for (const auto& b : bars) {
    high.push_back(double{b.high});
    low.push_back(double{b.low});
    close.push_back(double{b.close});
  }
  std::vector<double> slowK(bars.size()), slowD(bars.size());
  int begin = 0, n = 0;
  TA_STOCH(0, static_cast<int>(bars.size()) - 1, high.data(), low.data(), close.data(), k, slow,
           slowType, d, TA_MAType_TRIMA, &begin, &n, slowK.data(), slowD.data());
  return (out == 0 ? slowK : slowD)[n - 1 - shift];
}

TEST(dStochastic, MethodAndPeriodMapping) {
  const auto bars = RandomBars(120, 4);
  const BarRecord* b = bars.data();
  // Smoothed: both the %K period and the slowing become 2n - 1.
  EXPECT_EQ(dStochastic(b, 120, 5, 3, 3, 2, 0, 0, 0), RawStoch(bars, 9, 5, TA_MAType_EMA, 3, 0, 0));
  EXPECT_EQ(dStochastic(b, 120, 5, 3, 3, 2, 0, 1, 4), RawStoch(bars, 9, 5, TA_MAType_EMA, 3, 1, 4));
  EXPECT_EQ(dStochastic(b, 120, 5, 3, 3, 3, 0, 0, 1), RawStoch(bars, 5, 3, TA_MAType_WMA, 3, 0, 1));
  EXPECT_EQ(dStochastic(b, 120, 5, 3, 3, 0, 0, 1, 0), RawStoch(bars, 5, 3, TA_MAType_SMA, 3, 1, 0));
  // Unknown methods are the simple average.
  EXPECT_EQ(dStochastic(b, 120, 5, 3, 3, 42, 0, 0, 2),
            RawStoch(bars, 5, 3, TA_MAType_SMA, 3, 0, 2));
  EXPECT_EQ(dStochastic(b, 120, 5, 3, 3, -1, 0, 1, 2),
            RawStoch(bars, 5, 3, TA_MAType_SMA, 3, 1, 2));
}

TEST(dStochastic, ThirdInputIsTheAppliedPrice) {
  const auto bars = RandomBars(60, 6);
  std::vector<BarRecord> opensAsCloses = bars;
  for (auto& bar : opensAsCloses) bar.close = bar.open;
  EXPECT_EQ(dStochastic(bars.data(), 60, 5, 3, 3, 0, 1, 0, 0),
            RawStoch(opensAsCloses, 5, 3, TA_MAType_SMA, 3, 0, 0));
}

TEST(dStochastic, NoElementGivesZero) {
  const auto bars = RandomBars(30, 8);
  const BarRecord* b = bars.data();
  EXPECT_EQ(dStochastic(b, 30, 5, 3, 3, 0, 0, 2, 0), 0.0);
  EXPECT_EQ(dStochastic(b, 30, 0, 3, 3, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(dStochastic(b, 30, 5, 0, 3, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(dStochastic(b, 30, 5, 3, -3, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(dStochastic(b, 30, 5, 3, 3, 0, 11, 0, 0), 0.0);
  EXPECT_EQ(dStochastic(b, 30, 5, 3, 3, 0, 0, 0, 30), 0.0);
  EXPECT_EQ(dStochastic(b, 30, 40, 3, 3, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(dStochastic(nullptr, 30, 5, 3, 3, 0, 0, 0, 0), 0.0);
}

TEST(dBands, MiddlePlusMinusWholeDeviations) {
  // Closes 1, 3, 1, 3: mean 2, population deviation 1.
  const auto bars = FromCloses({7, 1, 3, 1, 3});
  EXPECT_DOUBLE_EQ(dBands(bars.data(), 5, 4, 2, 0, 0, 0, 0), 2.0);
  EXPECT_DOUBLE_EQ(dBands(bars.data(), 5, 4, 2, 0, 0, 1, 0), 4.0);
  EXPECT_DOUBLE_EQ(dBands(bars.data(), 5, 4, 2, 0, 0, 2, 0), 0.0);
  EXPECT_DOUBLE_EQ(dBands(bars.data(), 5, 4, 3, 0, 0, 1, 0), 5.0);
  EXPECT_DOUBLE_EQ(dBands(bars.data(), 5, 4, 2, 1, 0, 0, 0), 3.0);  // 7, 1, 3, 1
  EXPECT_DOUBLE_EQ(dBands(bars.data(), 5, 4, 2, 0, 0, 0, 1), 3.0);
}

TEST(dBands, NoElementGivesZero) {
  const auto bars = FromCloses({7, 1, 3, 1, 3});
  const BarRecord* b = bars.data();
  EXPECT_EQ(dBands(b, 5, 4, 2, 0, 0, 3, 0), 0.0);
  EXPECT_EQ(dBands(b, 5, 4, 2, 0, 0, 0, 2), 0.0);
  EXPECT_EQ(dBands(b, 5, 4, 2, 2, 0, 0, 0), 0.0);
  EXPECT_EQ(dBands(b, 5, 4, 2, -1, 0, 0, 0), 0.0);
  EXPECT_EQ(dBands(b, 5, 4, 2, 5, 0, 0, 0), 0.0);
  EXPECT_EQ(dBands(b, 5, 0, 2, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(dBands(b, 5, 4, 2, 0, -1, 0, 0), 0.0);
  EXPECT_EQ(dBands(nullptr, 5, 4, 2, 0, 0, 0, 0), 0.0);
}

}  // namespace
