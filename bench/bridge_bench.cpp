// The bridge's indicators at 1 000, 10 000 and 100 000 bars. Each TA-Lib export has the raw
// TA-Lib call on the same prices beside it (input ready, output allocated once): the export's
// own cost is building its arrays from the bars. fEnvelopes is measured against fMA.
#include <benchmark/benchmark.h>
#include <ta_func.h>

#include <cmath>
#include <vector>

#include "bridge/core/own_indicators.h"
#include "bridge/core/talib_indicators.h"

namespace {

using bridge::BarRecord;

std::vector<BarRecord> Bars(int count) {
  std::vector<BarRecord> bars(count);
  double price = 1.1;
  for (int i = 0; i < count; ++i) {
    price += 0.001 * std::sin(i * 0.37) + 0.0003 * std::cos(i * 1.9);
    bars[i].open = price - 0.0002;
    bars[i].close = price;
    bars[i].high = price + 0.0009;
    bars[i].low = price - 0.0011;
  }
  return bars;
}

struct Input {
  std::vector<BarRecord> bars;
  std::vector<double> close, high, low, out1, out2, out3;
  explicit Input(int count) : bars(Bars(count)), out1(count), out2(count), out3(count) {
    for (const auto& b : bars) {
      close.push_back(double{b.close});
      high.push_back(double{b.high});
      low.push_back(double{b.low});
    }
  }
  int Count() const { return static_cast<int>(bars.size()); }
};

#define BRIDGE_BENCH(name) BENCHMARK(name)->Arg(1000)->Arg(10000)->Arg(100000)

void Raw_MA_SMA(benchmark::State& state) {
  Input in(state.range(0));
  int begin, n;
  for (auto _ : state) {
    TA_MA(0, in.Count() - 1, in.close.data(), 14, TA_MAType_SMA, &begin, &n, in.out1.data());
    benchmark::DoNotOptimize(in.out1[n - 1]);
  }
}
BRIDGE_BENCH(Raw_MA_SMA);

void dMA_SMA(benchmark::State& state) {
  Input in(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(bridge::dMA(in.bars.data(), in.Count(), 14, 0, 0, 0, 0));
}
BRIDGE_BENCH(dMA_SMA);

void Raw_MA_EMA(benchmark::State& state) {
  Input in(state.range(0));
  int begin, n;
  for (auto _ : state) {
    TA_MA(0, in.Count() - 1, in.close.data(), 14, TA_MAType_EMA, &begin, &n, in.out1.data());
    benchmark::DoNotOptimize(in.out1[n - 1]);
  }
}
BRIDGE_BENCH(Raw_MA_EMA);

void dMA_EMA(benchmark::State& state) {
  Input in(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(bridge::dMA(in.bars.data(), in.Count(), 14, 0, 1, 0, 0));
}
BRIDGE_BENCH(dMA_EMA);

void dMAOnArray_SMA(benchmark::State& state) {
  Input in(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(bridge::dMAOnArray(in.close.data(), in.Count(), 14, 0, 0, 0));
}
BRIDGE_BENCH(dMAOnArray_SMA);

void Raw_MACD(benchmark::State& state) {
  Input in(state.range(0));
  int begin, n;
  for (auto _ : state) {
    TA_MACD(0, in.Count() - 1, in.close.data(), 12, 26, 9, &begin, &n, in.out1.data(),
            in.out2.data(), in.out3.data());
    benchmark::DoNotOptimize(in.out1[n - 1]);
  }
}
BRIDGE_BENCH(Raw_MACD);

void dMACD(benchmark::State& state) {
  Input in(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(bridge::dMACD(in.bars.data(), in.Count(), 12, 26, 9, 0, 0, 0));
}
BRIDGE_BENCH(dMACD);

void Raw_RSI(benchmark::State& state) {
  Input in(state.range(0));
  int begin, n;
  for (auto _ : state) {
    TA_RSI(0, in.Count() - 1, in.close.data(), 14, &begin, &n, in.out1.data());
    benchmark::DoNotOptimize(in.out1[n - 1]);
  }
}
BRIDGE_BENCH(Raw_RSI);

void dRSI(benchmark::State& state) {
  Input in(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(bridge::dRSI(in.bars.data(), in.Count(), 14, 0, 0));
}
BRIDGE_BENCH(dRSI);

void Raw_STOCH(benchmark::State& state) {
  Input in(state.range(0));
  int begin, n;
  for (auto _ : state) {
    TA_STOCH(0, in.Count() - 1, in.high.data(), in.low.data(), in.close.data(), 5, 3, TA_MAType_SMA,
             3, TA_MAType_TRIMA, &begin, &n, in.out1.data(), in.out2.data());
    benchmark::DoNotOptimize(in.out1[n - 1]);
  }
}
BRIDGE_BENCH(Raw_STOCH);

void dStochastic(benchmark::State& state) {
  Input in(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(bridge::dStochastic(in.bars.data(), in.Count(), 5, 3, 3, 0, 0, 0, 0));
}
BRIDGE_BENCH(dStochastic);

void Raw_BBANDS(benchmark::State& state) {
  Input in(state.range(0));
  int begin, n;
  for (auto _ : state) {
    TA_BBANDS(0, in.Count() - 1, in.close.data(), 20, 2, 2, TA_MAType_SMA, &begin, &n,
              in.out1.data(), in.out2.data(), in.out3.data());
    benchmark::DoNotOptimize(in.out2[n - 1]);
  }
}
BRIDGE_BENCH(Raw_BBANDS);

void dBands(benchmark::State& state) {
  Input in(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(bridge::dBands(in.bars.data(), in.Count(), 20, 2, 0, 0, 0, 0));
}
BRIDGE_BENCH(dBands);

void fMA(benchmark::State& state) {
  Input in(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(bridge::fMA(in.bars.data(), in.Count(), 14, 0, 1, 0, 0));
}
BRIDGE_BENCH(fMA);

void fMA_LinearWeighted(benchmark::State& state) {
  Input in(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(bridge::fMA(in.bars.data(), in.Count(), 14, 0, 3, 0, 0));
}
BRIDGE_BENCH(fMA_LinearWeighted);

void fEnvelopes(benchmark::State& state) {
  Input in(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(
        bridge::fEnvelopes(in.bars.data(), in.Count(), 14, 1, 0, 0, 0.2, 1, 0));
}
BRIDGE_BENCH(fEnvelopes);

void fStochastic(benchmark::State& state) {
  Input in(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(bridge::fStochastic(in.bars.data(), in.Count(), 5, 3, 3, 0, 0, 1, 10));
}
BRIDGE_BENCH(fStochastic);

}  // namespace
