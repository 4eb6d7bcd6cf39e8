// Every bar and indicator function behind the exports, called over small bar arrays with every
// edge of every argument an expert can pass. In the sanitizer build a read outside an array or
// undefined behaviour stops the program; in every build each answer must be a plain number of
// the size of a price, a percentage or a bar index, which a value read from outside an array
// seldom is.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <vector>

#include "bridge/core/bar_accessors.h"
#include "bridge/core/own_indicators.h"
#include "bridge/core/talib_indicators.h"
#include "tests/native/bridge/bars.h"

namespace {

using namespace bridge;
using Values = std::vector<int>;

// Exactly count elements each, so that a read past either end leaves its allocation.
struct Inputs {
  int count;
  std::unique_ptr<BarRecord[]> bars;
  std::unique_ptr<double[]> closes;
};

Inputs MakeInputs(int count) {
  const auto walk = bridge_test::RandomBars(count, static_cast<unsigned>(count));
  Inputs in{count, std::make_unique<BarRecord[]>(count), std::make_unique<double[]>(count)};
  std::copy(walk.begin(), walk.end(), in.bars.get());
  for (int i = 0; i < count; ++i) in.closes[i] = walk[i].close;
  return in;
}

Values Range(int from, int to) {
  Values v;
  for (int i = from; i <= to; ++i) v.push_back(i);
  return v;
}

// The values one argument takes for a given bar count.
using Domain = Values (*)(int count);

Values Periods(int count) {
  Values v = Range(-1, count + 1);
  v.insert(v.end(), {INT_MIN, INT_MAX});
  return v;
}
Values Shifts(int count) {
  return {-1, 0, 1, count - 1, count};
}
Values SmallPeriods(int /*count*/) {
  return Range(0, 4);
}
Values Prices(int /*count*/) {
  return {-1, 0, 6, 7};
}
Values WholeDeviations(int /*count*/) {
  return {-1, 0, 2};
}
// A code list First..Last and one beyond each end.
template <int First, int Last>
Values Codes(int /*count*/) {
  return Range(First - 1, Last + 1);
}

constexpr double kDeviations[] = {NAN, -1.0, 0.0, 0.0999, 0.1, 250.0};
Values DeviationIndices(int /*count*/) {
  return Range(0, static_cast<int>(std::size(kDeviations)) - 1);
}

struct Indicator {
  const char* name;
  std::vector<Domain> args;
  double (*call)(const Inputs& in, const int* a);
};

const Indicator kIndicators[] = {
    {"fOpen",
     {Shifts},
     [](const Inputs& in, const int* a) { return fOpen(in.bars.get(), in.count, a[0]); }},
    {"fClose",
     {Shifts},
     [](const Inputs& in, const int* a) { return fClose(in.bars.get(), in.count, a[0]); }},
    {"fHigh",
     {Shifts},
     [](const Inputs& in, const int* a) { return fHigh(in.bars.get(), in.count, a[0]); }},
    {"fLow",
     {Shifts},
     [](const Inputs& in, const int* a) { return fLow(in.bars.get(), in.count, a[0]); }},
    {"fHighest",
     {Codes<0, 3>, Periods, Shifts},
     [](const Inputs& in, const int* a) {
       return static_cast<double>(fHighest(in.bars.get(), in.count, a[0], a[1], a[2]));
     }},
    {"fLowest",
     {Codes<0, 3>, Periods, Shifts},
     [](const Inputs& in, const int* a) {
       return static_cast<double>(fLowest(in.bars.get(), in.count, a[0], a[1], a[2]));
     }},
    {"dMAOnArray",
     {Periods, Shifts, Codes<0, 8>, Shifts},
     [](const Inputs& in, const int* a) {
       return dMAOnArray(in.closes.get(), in.count, a[0], a[1], a[2], a[3]);
     }},
    {"dMA",
     {Periods, Shifts, Codes<0, 8>, Prices, Shifts},
     [](const Inputs& in, const int* a) {
       return dMA(in.bars.get(), in.count, a[0], a[1], a[2], a[3], a[4]);
     }},
    {"MoA15",
     {Periods, Shifts, Codes<0, 8>, Prices, Shifts},
     [](const Inputs& in, const int* a) {
       return MoA15(in.bars.get(), in.count, a[0], a[1], a[2], a[3], a[4]);
     }},
    {"dMACD",
     {Periods, Periods, SmallPeriods, Prices, Codes<0, 2>, Shifts},
     [](const Inputs& in, const int* a) {
       return dMACD(in.bars.get(), in.count, a[0], a[1], a[2], a[3], a[4], a[5]);
     }},
    {"dRSI",
     {Periods, Prices, Shifts},
     [](const Inputs& in, const int* a) {
       return dRSI(in.bars.get(), in.count, a[0], a[1], a[2]);
     }},
    {"dStochastic",
     {Periods, SmallPeriods, SmallPeriods, Codes<0, 8>, Prices, Codes<0, 1>, Shifts},
     [](const Inputs& in, const int* a) {
       return dStochastic(in.bars.get(), in.count, a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
     }},
    {"dBands",
     {Periods, WholeDeviations, Shifts, Prices, Codes<0, 2>, Shifts},
     [](const Inputs& in, const int* a) {
       return dBands(in.bars.get(), in.count, a[0], a[1], a[2], a[3], a[4], a[5]);
     }},
    // Every code outside 0 to 3 takes the running average.
    {"fMA",
     {Periods, Shifts, Codes<0, 3>, Prices, Shifts},
     [](const Inputs& in, const int* a) {
       return fMA(in.bars.get(), in.count, a[0], a[1], a[2], a[3], a[4]);
     }},
    // The method is not used.
    {"fStochastic",
     {Periods, SmallPeriods, SmallPeriods, Codes<0, 0>, Prices, Codes<0, 1>, Shifts},
     [](const Inputs& in, const int* a) {
       return fStochastic(in.bars.get(), in.count, a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
     }},
    {"fEnvelopes",
     {Periods, Codes<0, 3>, Shifts, Prices, DeviationIndices, Codes<1, 2>, Shifts},
     [](const Inputs& in, const int* a) {
       return fEnvelopes(in.bars.get(), in.count, a[0], a[1], a[2], a[3], kDeviations[a[4]], a[5],
                         a[6]);
     }},
};

// Prices near 1.1, percentages up to 100, bar indices below the count.
constexpr double kLargestAnswer = 1000.0;

// Every combination of the argument values; stops at the first answer out of bounds.
void Sweep(const Indicator& indicator, const Inputs& in) {
  std::vector<Values> lists;
  std::vector<int> args;
  for (Domain domain : indicator.args) {
    lists.push_back(domain(in.count));
    args.push_back(lists.back().front());
  }
  std::vector<size_t> at(lists.size(), 0);
  for (size_t turned = 0; turned < lists.size();) {
    const double answer = indicator.call(in, args.data());
    if (!(std::fabs(answer) <= kLargestAnswer)) {
      ADD_FAILURE() << indicator.name << " over " << in.count << " bars gives " << answer
                    << " for arguments " << testing::PrintToString(args);
      return;
    }
    // The next combination, the first argument turning fastest; done when all wrapped round.
    for (turned = 0; turned < lists.size(); ++turned) {
      at[turned] = (at[turned] + 1) % lists[turned].size();
      args[turned] = lists[turned][at[turned]];
      if (at[turned] != 0) break;
    }
  }
}

TEST(IndicatorEdges, EveryArgumentEdgeStaysInsideTheArrays) {
  for (int count : {1, 2, 3, 5, 8, 13, 40}) {
    const Inputs in = MakeInputs(count);
    for (const Indicator& indicator : kIndicators) Sweep(indicator, in);
  }
}

}  // namespace
