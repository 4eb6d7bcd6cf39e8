// Bar accessors and indicators: thin over bridge_core. Nothing may escape into the terminal,
// not even a failed allocation for an absurd count: that gives 0.
#include "bridge/core/bar_accessors.h"
#include "bridge/core/own_indicators.h"
#include "bridge/core/talib_indicators.h"
#include "bridge/exports.h"

namespace {

template <class Result, class Fn>
Result Guarded(Result none, Fn fn) noexcept {
  try {
    return fn();
  } catch (...) {
    return none;
  }
}

}  // namespace

extern "C" {

double __stdcall fOpen(const BarRecord* bars, int count, int shift) {
  return bridge::fOpen(bars, count, shift);
}
double __stdcall fClose(const BarRecord* bars, int count, int shift) {
  return bridge::fClose(bars, count, shift);
}
double __stdcall fHigh(const BarRecord* bars, int count, int shift) {
  return bridge::fHigh(bars, count, shift);
}
double __stdcall fLow(const BarRecord* bars, int count, int shift) {
  return bridge::fLow(bars, count, shift);
}
int __stdcall fHighest(const BarRecord* bars, int count, int type, int end, int start) {
  return bridge::fHighest(bars, count, type, end, start);
}
int __stdcall fLowest(const BarRecord* bars, int count, int type, int end, int start) {
  return bridge::fLowest(bars, count, type, end, start);
}

double __stdcall dMAOnArray(const double* values, int count, int period, int maShift, int method,
                            int shift) {
  return Guarded(0.0,
                 [&] { return bridge::dMAOnArray(values, count, period, maShift, method, shift); });
}
double __stdcall dMA(const BarRecord* bars, int count, int period, int maShift, int method,
                     int appliedPrice, int shift) {
  return Guarded(
      0.0, [&] { return bridge::dMA(bars, count, period, maShift, method, appliedPrice, shift); });
}
double __stdcall MoA15(const BarRecord* bars, int count, int period, int maShift, int method,
                       int appliedPrice, int shift) {
  return Guarded(0.0, [&] {
    return bridge::MoA15(bars, count, period, maShift, method, appliedPrice, shift);
  });
}
double __stdcall dMACD(const BarRecord* bars, int count, int fastPeriod, int slowPeriod,
                       int signalPeriod, int appliedPrice, int mode, int shift) {
  return Guarded(0.0, [&] {
    return bridge::dMACD(bars, count, fastPeriod, slowPeriod, signalPeriod, appliedPrice, mode,
                         shift);
  });
}
double __stdcall dRSI(const BarRecord* bars, int count, int period, int appliedPrice, int shift) {
  return Guarded(0.0, [&] { return bridge::dRSI(bars, count, period, appliedPrice, shift); });
}
double __stdcall dStochastic(const BarRecord* bars, int count, int kPeriod, int slowing,
                             int dPeriod, int method, int appliedPrice, int mode, int shift) {
  return Guarded(0.0, [&] {
    return bridge::dStochastic(bars, count, kPeriod, slowing, dPeriod, method, appliedPrice, mode,
                               shift);
  });
}
double __stdcall dBands(const BarRecord* bars, int count, int period, int deviation, int bandsShift,
                        int appliedPrice, int mode, int shift) {
  return Guarded(0.0, [&] {
    return bridge::dBands(bars, count, period, deviation, bandsShift, appliedPrice, mode, shift);
  });
}

double __stdcall fMA(const BarRecord* bars, int count, int period, int maShift, int method,
                     int appliedPrice, int shift) {
  return Guarded(
      0.0, [&] { return bridge::fMA(bars, count, period, maShift, method, appliedPrice, shift); });
}
double __stdcall fStochastic(const BarRecord* bars, int count, int kPeriod, int dPeriod,
                             int slowing, int method, int appliedPrice, int mode, int shift) {
  return Guarded(0.0, [&] {
    return bridge::fStochastic(bars, count, kPeriod, dPeriod, slowing, method, appliedPrice, mode,
                               shift);
  });
}
double __stdcall fEnvelopes(const BarRecord* bars, int count, int period, int method, int maShift,
                            int appliedPrice, double deviation, int mode, int shift) {
  return Guarded(0.0, [&] {
    return bridge::fEnvelopes(bars, count, period, method, maShift, appliedPrice, deviation, mode,
                              shift);
  });
}
}
