// The bar and indicator exports called as the terminal calls them: the same values as the
// library's maths, safe with any argument, and safe with the 4-byte stack alignment that is
// all a Windows caller promises.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "bridge/core/bar_accessors.h"
#include "bridge/core/own_indicators.h"
#include "bridge/core/talib_indicators.h"
#include "tests/windows/bridge/bridge_fixture.h"

#if defined(__i386__)
// Calls a standard-convention function with `bytes` of arguments copied from args, the stack
// pointer `offset` bytes below a 16-byte boundary at the call; the result comes back in st(0)
// or eax untouched.
extern "C" double __cdecl CallOffAligned(const void* fn, const void* args, int bytes, int offset);
extern "C" int __cdecl CallOffAlignedInt(const void* fn, const void* args, int bytes, int offset);
asm(R"(
  .text
  .globl _CallOffAligned
  .globl _CallOffAlignedInt
_CallOffAligned:
_CallOffAlignedInt:
  pushl %ebp
  movl %esp, %ebp
  pushl %esi
  pushl %edi
  movl 8(%ebp), %eax
  movl 12(%ebp), %esi
  movl 16(%ebp), %ecx
  subl %ecx, %esp
  andl $-16, %esp
  subl 20(%ebp), %esp
  movl %esp, %edi
  cld
  rep movsb
  call *%eax
  leal -8(%ebp), %esp
  popl %edi
  popl %esi
  popl %ebp
  ret
)");
#endif

namespace {

std::vector<BarRecord> Walk(int count) {
  std::vector<BarRecord> bars(count);
  double price = 1.2;
  for (int i = 0; i < count; ++i) {
    price += 0.0013 * std::sin(i * 0.7) + 0.0002;
    bars[i].open = price - 0.0004;
    bars[i].close = price;
    bars[i].high = price + 0.0011;
    bars[i].low = price - 0.0012;
  }
  return bars;
}

TEST_F(BridgeTest, IndicatorsGiveTheLibrarysValues) {
  LoadBridge();
  const auto bars = Walk(300);
  const BarRecord* b = bars.data();
  std::vector<double> closes;
  closes.reserve(bars.size());
  for (const auto& bar : bars) closes.push_back(double{bar.close});
  EXPECT_EQ(lib.fOpen(b, 300, 3), bridge::fOpen(b, 300, 3));
  EXPECT_EQ(lib.fClose(b, 300, 0), bars[299].close);
  EXPECT_EQ(lib.fHigh(b, 300, 299), bars[0].high);
  EXPECT_EQ(lib.fLow(b, 300, 500), bars[0].low);
  EXPECT_EQ(lib.fHighest(b, 300, 2, 50, 3), bridge::fHighest(b, 300, 2, 50, 3));
  EXPECT_EQ(lib.fLowest(b, 300, 1, 300, 0), bridge::fLowest(b, 300, 1, 300, 0));
  EXPECT_EQ(lib.dMAOnArray(closes.data(), 300, 10, 1, 3, 2),
            bridge::dMAOnArray(closes.data(), 300, 10, 1, 3, 2));
  for (int method = 0; method <= 8; ++method) {
    EXPECT_EQ(lib.dMA(b, 300, 14, 1, method, 5, 2), bridge::dMA(b, 300, 14, 1, method, 5, 2));
    EXPECT_EQ(lib.MoA15(b, 300, 14, 1, method, 5, 2), bridge::dMA(b, 300, 14, 1, method, 5, 2));
  }
  EXPECT_EQ(lib.dMACD(b, 300, 12, 26, 9, 0, 2, 1), bridge::dMACD(b, 300, 12, 26, 9, 0, 2, 1));
  EXPECT_EQ(lib.dRSI(b, 300, 14, 6, 4), bridge::dRSI(b, 300, 14, 6, 4));
  EXPECT_EQ(lib.dStochastic(b, 300, 5, 3, 3, 2, 0, 1, 0),
            bridge::dStochastic(b, 300, 5, 3, 3, 2, 0, 1, 0));
  EXPECT_EQ(lib.dBands(b, 300, 20, 2, 1, 0, 1, 3), bridge::dBands(b, 300, 20, 2, 1, 0, 1, 3));
  for (int method = 0; method <= 4; ++method)
    EXPECT_EQ(lib.fMA(b, 300, 21, 2, method, 4, 5), bridge::fMA(b, 300, 21, 2, method, 4, 5));
  EXPECT_EQ(lib.fStochastic(b, 300, 5, 3, 3, 0, 0, 1, 10),
            bridge::fStochastic(b, 300, 5, 3, 3, 0, 0, 1, 10));
  EXPECT_EQ(lib.fEnvelopes(b, 300, 14, 1, 2, 0, 0.25, 2, 3),
            bridge::fEnvelopes(b, 300, 14, 1, 2, 0, 0.25, 2, 3));
  EXPECT_NE(lib.fEnvelopes(b, 300, 14, 1, 2, 0, 0.25, 2, 3), 0.0);
}

// A signal period of 1: the signal is the MACD line itself and the histogram 0. Fast 2 and
// slow 3 over closes 1, 2, 4, 8, 16 give the line 2/3, 7/6, 79/36 (worked out beside the
// library's own tests).
TEST_F(BridgeTest, MacdWithSignalPeriodOneIsTheLineItself) {
  LoadBridge();
  std::vector<BarRecord> bars(5);
  double close = 1;
  for (auto& bar : bars) {
    bar.open = close;
    bar.high = close;
    bar.low = close;
    bar.close = close;
    close *= 2;
  }
  const BarRecord* b = bars.data();
  const double line[] = {79 / 36.0, 7 / 6.0, 2 / 3.0};
  for (int shift = 0; shift < 3; ++shift) {
    EXPECT_DOUBLE_EQ(lib.dMACD(b, 5, 2, 3, 1, 0, 0, shift), line[shift]) << shift;
    EXPECT_DOUBLE_EQ(lib.dMACD(b, 5, 2, 3, 1, 0, 1, shift), line[shift]) << shift;
    EXPECT_EQ(lib.dMACD(b, 5, 2, 3, 1, 0, 2, shift), 0.0) << shift;
  }
  EXPECT_EQ(lib.dMACD(b, 5, 2, 3, 1, 0, 0, 3), 0.0);
}

TEST_F(BridgeTest, HostileArgumentsGiveZero) {
  LoadBridge();
  const auto bars = Walk(50);
  const BarRecord* b = bars.data();
  EXPECT_EQ(lib.fClose(nullptr, 50, 0), 0.0);
  EXPECT_EQ(lib.fOpen(b, 50, -1), 0.0);
  EXPECT_EQ(lib.fHighest(b, 50, 9, 50, 0), 0);
  EXPECT_EQ(lib.fLowest(b, 50, 1, 50, -7), 0);
  EXPECT_EQ(lib.dMAOnArray(nullptr, 50, 5, 0, 0, 0), 0.0);
  EXPECT_EQ(lib.dMA(b, 50, 5, -1, 0, 0, 0), 0.0);
  EXPECT_EQ(lib.dMA(b, 50, 5, 0, 99, 0, 0), 0.0);
  EXPECT_EQ(lib.dMACD(b, 50, 12, 26, 9, 8, 0, 0), 0.0);
  EXPECT_EQ(lib.dRSI(b, 0, 14, 0, 0), 0.0);
  EXPECT_EQ(lib.dStochastic(b, 50, -5, 3, 3, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(lib.dBands(b, 50, 20, 2, 0, 0, 5, 0), 0.0);
  EXPECT_EQ(lib.fMA(b, 50, 0, 0, 1, 0, 0), 0.0);
  EXPECT_EQ(lib.fStochastic(b, 50, 5, 3, 3, 0, 0, 0, -2), 0.0);
  EXPECT_EQ(lib.fEnvelopes(b, 50, 14, 0, 0, 0, NAN, 7, 0), 0.0);
#if defined(__i386__)
  // A count no memory can hold fails its allocation inside the library, which answers 0.
  // (A 64-bit process can have that memory, and would then read the bars the count claims.)
  for (int method : {0, 1}) EXPECT_EQ(lib.dMA(b, INT_MAX, 5, 0, method, 0, 0), 0.0);
  EXPECT_EQ(lib.dMACD(b, INT_MAX, 12, 26, 9, 0, 0, 0), 0.0);
  EXPECT_EQ(lib.dBands(b, INT_MAX, 20, 2, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(lib.fStochastic(b, INT_MAX, 5, 3, 3, 0, 0, 0, 0), 0.0);
  EXPECT_EQ(lib.fMA(b, INT_MAX, 5, 0, 1, 0, 0), 0.0);
#endif
}

#if defined(__i386__)
// Only a 32-bit caller may leave the stack 4-byte aligned; a 64-bit one always keeps 16.
TEST_F(BridgeTest, ExportsWorkOnAStackAlignedToFourBytesOnly) {
  LoadBridge();
  const auto bars = Walk(400);
  const BarRecord* b = bars.data();
  // Every offset a 4-byte aligned caller can leave (0 is the aligned case).
  for (int offset : {4, 8, 12}) {
    SCOPED_TRACE(offset);
    struct {
      const BarRecord* bars;
      int count, period, method, maShift, price;
      double deviation;
      int mode, shift;
    } envelopes{b, 400, 14, 1, 0, 0, 0.5, 1, 2};
    EXPECT_EQ(CallOffAligned(reinterpret_cast<const void*>(lib.fEnvelopes), &envelopes, 40, offset),
              lib.fEnvelopes(b, 400, 14, 1, 0, 0, 0.5, 1, 2));
    const int ma[] = {0, 400, 20, 0, 0, 6, 1};
    std::vector<int> args(ma, ma + 7);
    // NOLINTNEXTLINE(bugprone-sizeof-expression): the pointer's own bytes are the argument
    std::memcpy(args.data(), &b, sizeof b);
    for (int method = 0; method <= 8; ++method) {
      args[4] = method;
      EXPECT_EQ(CallOffAligned(reinterpret_cast<const void*>(lib.dMA), args.data(), 28, offset),
                lib.dMA(b, 400, 20, 0, method, 6, 1));
      if (method <= 4) {
        EXPECT_EQ(CallOffAligned(reinterpret_cast<const void*>(lib.fMA), args.data(), 28, offset),
                  lib.fMA(b, 400, 20, 0, method, 6, 1));
      }
    }
    const int stoch[] = {0, 400, 5, 3, 3, 0, 0, 1, 4};
    std::vector<int> sargs(stoch, stoch + 9);
    // NOLINTNEXTLINE(bugprone-sizeof-expression): the pointer's own bytes are the argument
    std::memcpy(sargs.data(), &b, sizeof b);
    EXPECT_EQ(
        CallOffAligned(reinterpret_cast<const void*>(lib.fStochastic), sargs.data(), 36, offset),
        lib.fStochastic(b, 400, 5, 3, 3, 0, 0, 1, 4));
    EXPECT_EQ(
        CallOffAligned(reinterpret_cast<const void*>(lib.dStochastic), sargs.data(), 36, offset),
        lib.dStochastic(b, 400, 5, 3, 3, 0, 0, 1, 4));
    const int extreme[] = {0, 400, 2, 400, 0};
    std::vector<int> eargs(extreme, extreme + 5);
    // NOLINTNEXTLINE(bugprone-sizeof-expression): the pointer's own bytes are the argument
    std::memcpy(eargs.data(), &b, sizeof b);
    EXPECT_EQ(
        CallOffAlignedInt(reinterpret_cast<const void*>(lib.fHighest), eargs.data(), 20, offset),
        lib.fHighest(b, 400, 2, 400, 0));
  }
}

#endif

}  // namespace
