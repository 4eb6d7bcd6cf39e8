// The library's exports as the expert imports them: the standard Windows calling convention,
// plain names (PelmoraStd108.def), strings as NUL-terminated UTF-16, bars as packed records.
#pragma once

#include <windows.h>

#include "bridge/core/bar_record.h"

using bridge::BarRecord;

extern "C" {

// Text exchange with the console.
bool __stdcall TradeSet(int value);
const wchar_t* __stdcall Read_Command();
bool __stdcall Clear_Command();
bool __stdcall SetPrice(double price);
bool __stdcall SetInfo(const wchar_t* report);
const wchar_t* __stdcall ReadSetting();
int __stdcall GetTime();

// Bar accessors and extremes.
double __stdcall fOpen(const BarRecord* bars, int count, int shift);
double __stdcall fClose(const BarRecord* bars, int count, int shift);
double __stdcall fHigh(const BarRecord* bars, int count, int shift);
double __stdcall fLow(const BarRecord* bars, int count, int shift);
int __stdcall fHighest(const BarRecord* bars, int count, int type, int end, int start);
int __stdcall fLowest(const BarRecord* bars, int count, int type, int end, int start);

// Indicators through TA-Lib.
double __stdcall dMAOnArray(const double* values, int count, int period, int maShift, int method,
                            int shift);
double __stdcall dMA(const BarRecord* bars, int count, int period, int maShift, int method,
                     int appliedPrice, int shift);
double __stdcall MoA15(const BarRecord* bars, int count, int period, int maShift, int method,
                       int appliedPrice, int shift);
double __stdcall dMACD(const BarRecord* bars, int count, int fastPeriod, int slowPeriod,
                       int signalPeriod, int appliedPrice, int mode, int shift);
double __stdcall dRSI(const BarRecord* bars, int count, int period, int appliedPrice, int shift);
double __stdcall dStochastic(const BarRecord* bars, int count, int kPeriod, int slowing,
                             int dPeriod, int method, int appliedPrice, int mode, int shift);
double __stdcall dBands(const BarRecord* bars, int count, int period, int deviation, int bandsShift,
                        int appliedPrice, int mode, int shift);

// Indicators with the library's own arithmetic.
double __stdcall fMA(const BarRecord* bars, int count, int period, int maShift, int method,
                     int appliedPrice, int shift);
double __stdcall fStochastic(const BarRecord* bars, int count, int kPeriod, int dPeriod,
                             int slowing, int method, int appliedPrice, int mode, int shift);
double __stdcall fEnvelopes(const BarRecord* bars, int count, int period, int method, int maShift,
                            int appliedPrice, double deviation, int mode, int shift);
}
