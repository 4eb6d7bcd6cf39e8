// Bar arrays for the bridge tests, oldest record first as the expert passes them. The records
// are packed: a field is copied (double{b.close}) before a reference may bind to it, since its
// address need not be aligned.
#pragma once

#include <random>
#include <vector>

#include "bridge/core/bar_record.h"

namespace bridge_test {

using bridge::BarRecord;

inline BarRecord Bar(double open, double high, double low, double close) {
  BarRecord bar{};
  bar.open = open;
  bar.high = high;
  bar.low = low;
  bar.close = close;
  return bar;
}

// Flat bars at the given closes.
inline std::vector<BarRecord> FromCloses(const std::vector<double>& closes) {
  std::vector<BarRecord> bars;
  bars.reserve(closes.size());
  for (double c : closes) bars.push_back(Bar(c, c, c, c));
  return bars;
}

// A random walk with distinct open, high, low and close.
inline std::vector<BarRecord> RandomBars(int count, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> step(-0.002, 0.002), wick(0.0, 0.001);
  std::vector<BarRecord> bars;
  double price = 1.1;
  for (int i = 0; i < count; ++i) {
    const double open = price;
    price += step(random);
    const double high = std::max(open, price) + wick(random);
    const double low = std::min(open, price) - wick(random);
    bars.push_back(Bar(open, high, low, price));
  }
  return bars;
}

}  // namespace bridge_test
