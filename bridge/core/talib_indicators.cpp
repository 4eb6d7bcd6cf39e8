#include "bridge/core/talib_indicators.h"

#include <ta_func.h>

#include <cstdint>
#include <limits>
#include <memory>

namespace bridge {
namespace {

using Array = std::unique_ptr<double[]>;

// Working arrays belong to the call; TA-Lib writes every element it reports.
Array NewArray(int count) {
  return std::make_unique_for_overwrite<double[]>(count);
}

struct MaChoice {
  TA_MAType type;
  int period;
};

// The expert's method codes in TA-Lib's terms; false for an unknown code or a period that
// cannot be expressed.
bool ChooseAverage(int method, int period, MaChoice& choice) {
  static constexpr TA_MAType kTypes[] = {TA_MAType_SMA,  TA_MAType_EMA,  TA_MAType_EMA,
                                         TA_MAType_WMA,  TA_MAType_TEMA, TA_MAType_TRIMA,
                                         TA_MAType_KAMA, TA_MAType_MAMA, TA_MAType_T3};
  if (method < 0 || method > 8 || period < 1) return false;
  int64_t n = period;
  if (method == 2) n = 2 * n - 1;  // the smoothed average as an exponential one
  if (n > std::numeric_limits<int>::max()) return false;
  choice = {kTypes[method], static_cast<int>(n)};
  return true;
}

// The element `shift` steps back from the last one TA-Lib produced.
double Pick(TA_RetCode rc, const double* out, int produced, int shift) {
  if (rc != TA_SUCCESS || shift < 0 || shift >= produced) return 0.0;
  return out[produced - 1 - shift];
}

Array PriceArray(const BarRecord* bars, int count, int appliedPrice) {
  Array in = NewArray(count);
  FillAppliedPrice(bars, count, appliedPrice, false, in.get());
  return in;
}

double MovingAverage(const double* in, int count, int period, int maShift, int method, int shift) {
  MaChoice ma;
  if (!ChooseAverage(method, period, ma) || maShift < 0 || maShift >= count) return 0.0;
  Array out = NewArray(count);
  int begin = 0, produced = 0;
  const TA_RetCode rc =
      TA_MA(0, count - 1 - maShift, in, ma.period, ma.type, &begin, &produced, out.get());
  return Pick(rc, out.get(), produced, shift);
}

}  // namespace

double dMAOnArray(const double* values, int count, int period, int maShift, int method, int shift) {
  if (!HasBars(values, count)) return 0.0;
  return MovingAverage(values, count, period, maShift, method, shift);
}

double dMA(const BarRecord* bars, int count, int period, int maShift, int method, int appliedPrice,
           int shift) {
  if (!HasBars(bars, count) || !IsAppliedPriceCode(appliedPrice)) return 0.0;
  const Array in = PriceArray(bars, count, appliedPrice);
  return MovingAverage(in.get(), count, period, maShift, method, shift);
}

double MoA15(const BarRecord* bars, int count, int period, int maShift, int method,
             int appliedPrice, int shift) {
  return dMA(bars, count, period, maShift, method, appliedPrice, shift);
}

double dMACD(const BarRecord* bars, int count, int fastPeriod, int slowPeriod, int signalPeriod,
             int appliedPrice, int mode, int shift) {
  if (!HasBars(bars, count) || !IsAppliedPriceCode(appliedPrice) || mode < 0 || mode > 2 ||
      fastPeriod < 1 || slowPeriod < 1 || signalPeriod < 1)
    return 0.0;
  const Array in = PriceArray(bars, count, appliedPrice);
  Array out[3] = {NewArray(count), NewArray(count), NewArray(count)};
  int begin = 0, produced = 0;
  // TA_MACD takes -1 for the lookback of a signal average of period 1 and copies from before
  // its own buffer. The extended MACD averages over period 1 by copying and seeds its two
  // exponential averages exactly as TA_MACD does, so it gives that unsmoothed line.
  if (signalPeriod == 1) {
    const TA_RetCode rc =
        TA_MACDEXT(0, count - 1, in.get(), fastPeriod, TA_MAType_EMA, slowPeriod, TA_MAType_EMA, 1,
                   TA_MAType_SMA, &begin, &produced, out[0].get(), out[1].get(), out[2].get());
    return mode == 2 ? 0.0 : Pick(rc, out[0].get(), produced, shift);
  }
  const TA_RetCode rc = TA_MACD(0, count - 1, in.get(), fastPeriod, slowPeriod, signalPeriod,
                                &begin, &produced, out[0].get(), out[1].get(), out[2].get());
  return Pick(rc, out[mode].get(), produced, shift);
}

double dRSI(const BarRecord* bars, int count, int period, int appliedPrice, int shift) {
  if (!HasBars(bars, count) || !IsAppliedPriceCode(appliedPrice) || period < 1) return 0.0;
  const Array in = PriceArray(bars, count, appliedPrice);
  Array out = NewArray(count);
  int begin = 0, produced = 0;
  const TA_RetCode rc = TA_RSI(0, count - 1, in.get(), period, &begin, &produced, out.get());
  return Pick(rc, out.get(), produced, shift);
}

double dStochastic(const BarRecord* bars, int count, int kPeriod, int slowing, int dPeriod,
                   int method, int appliedPrice, int mode, int shift) {
  if (!HasBars(bars, count) || !IsAppliedPriceCode(appliedPrice) || mode < 0 || mode > 1 ||
      kPeriod < 1 || slowing < 1 || dPeriod < 1)
    return 0.0;
  MaChoice k{TA_MAType_SMA, kPeriod}, slow{TA_MAType_SMA, slowing};
  if (method >= 0 && method <= 8) {
    if (!ChooseAverage(method, kPeriod, k) || !ChooseAverage(method, slowing, slow)) return 0.0;
  }
  Array high = NewArray(count), low = NewArray(count);
  for (int i = 0; i < count; ++i) {
    high[i] = bars[i].high;
    low[i] = bars[i].low;
  }
  const Array in = PriceArray(bars, count, appliedPrice);
  Array out[2] = {NewArray(count), NewArray(count)};
  int begin = 0, produced = 0;
  const TA_RetCode rc =
      TA_STOCH(0, count - 1, high.get(), low.get(), in.get(), k.period, slow.period, slow.type,
               dPeriod, TA_MAType_TRIMA, &begin, &produced, out[0].get(), out[1].get());
  return Pick(rc, out[mode].get(), produced, shift);
}

double dBands(const BarRecord* bars, int count, int period, int deviation, int bandsShift,
              int appliedPrice, int mode, int shift) {
  if (!HasBars(bars, count) || !IsAppliedPriceCode(appliedPrice) || mode < 0 || mode > 2 ||
      period < 1 || bandsShift < 0 || bandsShift >= count)
    return 0.0;
  const Array in = PriceArray(bars, count, appliedPrice);
  Array upper = NewArray(count), middle = NewArray(count), lower = NewArray(count);
  const double* bands[] = {middle.get(), upper.get(), lower.get()};
  int begin = 0, produced = 0;
  const TA_RetCode rc =
      TA_BBANDS(0, count - 1 - bandsShift, in.get(), period, deviation, deviation, TA_MAType_SMA,
                &begin, &produced, upper.get(), middle.get(), lower.get());
  return Pick(rc, bands[mode], produced, shift);
}

}  // namespace bridge
