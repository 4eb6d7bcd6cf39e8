#include "bridge/core/bar_accessors.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "tests/native/bridge/bars.h"

namespace {

using namespace bridge;
using bridge_test::Bar;
using bridge_test::FromCloses;

TEST(BarRecord, HasTheTerminalsPackedLayout) {
  EXPECT_EQ(offsetof(BarRecord, open), 8u);
  EXPECT_EQ(offsetof(BarRecord, high), 16u);
  EXPECT_EQ(offsetof(BarRecord, low), 24u);
  EXPECT_EQ(offsetof(BarRecord, close), 32u);
  EXPECT_EQ(offsetof(BarRecord, spread), 48u);
  EXPECT_EQ(offsetof(BarRecord, realVolume), 52u);
  BarRecord bars[2]{};
  EXPECT_EQ(reinterpret_cast<char*>(&bars[1]) - reinterpret_cast<char*>(&bars[0]), 60);
}

TEST(AppliedPrice, EveryCode) {
  const BarRecord bar = Bar(1.0, 4.0, 2.0, 3.0);
  EXPECT_EQ(AppliedPrice(bar, 0), 3.0);
  EXPECT_EQ(AppliedPrice(bar, 1), 1.0);
  EXPECT_EQ(AppliedPrice(bar, 2), 4.0);
  EXPECT_EQ(AppliedPrice(bar, 3), 2.0);
  EXPECT_EQ(AppliedPrice(bar, 4), 3.0);
  EXPECT_EQ(AppliedPrice(bar, 5), 3.0);
  EXPECT_EQ(AppliedPrice(bar, 6), 3.0);
  EXPECT_EQ(AppliedPrice(bar, 7), 0.0);
  EXPECT_EQ(AppliedPrice(bar, -1), 0.0);
}

TEST(AppliedPrice, TypicalPriceUsesTheExtendedThird) {
  // With a double-precision third the flat bar's typical price would come out as
  // 1.6977699999999998.
  const double x = 1.69777;
  EXPECT_NE(3 * x * (1.0 / 3.0), x);
  EXPECT_EQ(AppliedPrice(Bar(x, x, x, x), 5), x);
}

TEST(BarFields, CountBackFromTheLastRecord) {
  const auto bars = FromCloses({10, 11, 12, 13, 14});  // B0 .. B4
  EXPECT_EQ(fClose(bars.data(), 5, 0), 14);
  EXPECT_EQ(fClose(bars.data(), 5, 4), 10);
  EXPECT_EQ(fClose(bars.data(), 5, 9), 10);  // past the first record: the first record
  const BarRecord one[] = {Bar(1, 2, 3, 4)};
  EXPECT_EQ(fOpen(one, 1, 0), 1);
  EXPECT_EQ(fHigh(one, 1, 0), 2);
  EXPECT_EQ(fLow(one, 1, 0), 3);
  EXPECT_EQ(fClose(one, 1, 0), 4);
}

TEST(BarFields, NoBarToReadGivesZero) {
  const auto bars = FromCloses({10, 11});
  EXPECT_EQ(fClose(bars.data(), 2, -1), 0.0);
  EXPECT_EQ(fOpen(bars.data(), 0, 0), 0.0);
  EXPECT_EQ(fHigh(bars.data(), -5, 0), 0.0);
  EXPECT_EQ(fLow(nullptr, 2, 0), 0.0);
}

// Series index s holds the value at position s of the list (newest first).
std::vector<BarRecord> SeriesOf(int field, std::vector<double> newestFirst) {
  std::vector<BarRecord> bars;
  for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) {
    BarRecord bar = Bar(0, 0, 0, 0);
    (field == 0 ? bar.open : field == 1 ? bar.low : field == 2 ? bar.high : bar.close) = *it;
    bars.push_back(bar);
  }
  return bars;
}

TEST(Extremes, HighestTakesTheFirstOfEqualMaxima) {
  const auto bars = SeriesOf(2, {1.2, 1.5, 1.5, 1.1});
  EXPECT_EQ(fHighest(bars.data(), 4, 2, 4, 0), 1);
  EXPECT_EQ(fHighest(bars.data(), 4, 2, 99, 0), 1);  // end past count scans to the first
  EXPECT_EQ(fHighest(bars.data(), 4, 2, 4, 3), 3);
  EXPECT_EQ(fHighest(bars.data(), 4, 2, 2, 2), 0);  // empty range
  EXPECT_EQ(fHighest(bars.data(), 4, 2, 1, 3), 0);
  EXPECT_EQ(fHighest(bars.data(), 4, 1, 4, 0), 0);  // the lows are all 0
}

TEST(Extremes, HighestOverNothingPositiveIsZeroWhateverTheStart) {
  const auto bars = SeriesOf(3, {-1, 0, -2, -3, 0});
  EXPECT_EQ(fHighest(bars.data(), 5, 3, 5, 2), 0);
}

TEST(Extremes, LowestSkipsZeroAndBelow) {
  const auto bars = SeriesOf(1, {0.0, 1.3, 1.2, 1.2, -1.0});
  EXPECT_EQ(fLowest(bars.data(), 5, 1, 5, 0), 2);
  EXPECT_EQ(fLowest(bars.data(), 5, 1, 2, 0), 1);
  const auto none = SeriesOf(0, {0.0, -1.0, 0.0});
  EXPECT_EQ(fLowest(none.data(), 3, 0, 3, 1), 0);
}

TEST(Extremes, EachTypeReadsItsField) {
  std::vector<BarRecord> bars = {Bar(5, 1, 1, 1), Bar(1, 5, 1, 1), Bar(1, 1, 5, 1),
                                 Bar(1, 1, 1, 5)};
  // Series indices: 0 close 5, 1 low 5, 2 high 5, 3 open 5.
  EXPECT_EQ(fHighest(bars.data(), 4, 0, 4, 0), 3);
  EXPECT_EQ(fHighest(bars.data(), 4, 1, 4, 0), 1);
  EXPECT_EQ(fHighest(bars.data(), 4, 2, 4, 0), 2);
  EXPECT_EQ(fHighest(bars.data(), 4, 3, 4, 0), 0);
  bars[0].open = 0.5;
  EXPECT_EQ(fLowest(bars.data(), 4, 0, 4, 0), 3);
}

TEST(Extremes, HostileArgumentsGiveZero) {
  const auto bars = SeriesOf(2, {1, 2, 3});
  EXPECT_EQ(fHighest(bars.data(), 3, 4, 3, 0), 0);
  EXPECT_EQ(fHighest(bars.data(), 3, -1, 3, 0), 0);
  EXPECT_EQ(fLowest(bars.data(), 3, 7, 3, 0), 0);
  EXPECT_EQ(fHighest(bars.data(), 3, 2, 3, -2), 0);
  EXPECT_EQ(fLowest(bars.data(), 3, 2, 3, -1), 0);
  EXPECT_EQ(fHighest(nullptr, 3, 2, 3, 0), 0);
  EXPECT_EQ(fLowest(bars.data(), 0, 2, 3, 0), 0);
  EXPECT_EQ(fHighest(bars.data(), 3, 2, -5, 0), 0);
}

}  // namespace
