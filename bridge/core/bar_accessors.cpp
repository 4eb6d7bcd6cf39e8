#include "bridge/core/bar_accessors.h"

#include <algorithm>

namespace bridge {
namespace {

enum class Field { Open, High, Low, Close };

double Read(const BarRecord& bar, Field field) {
  switch (field) {
    case Field::Open:
      return bar.open;
    case Field::High:
      return bar.high;
    case Field::Low:
      return bar.low;
    case Field::Close:
      return bar.close;
  }
  return 0.0;
}

double FieldAt(const BarRecord* bars, int count, int shift, Field field) {
  if (!HasBars(bars, count) || shift < 0) return 0.0;
  return Read(SeriesBar(bars, count, std::min(shift, count - 1)), field);
}

// The extremes' type codes: 0 open, 1 low, 2 high, 3 close.
bool TypeField(int type, Field& field) {
  static constexpr Field kFields[] = {Field::Open, Field::Low, Field::High, Field::Close};
  if (type < 0 || type > 3) return false;
  field = kFields[type];
  return true;
}

// Walks series indices start .. end - 1 and keeps the first value that `better` prefers to
// the best so far.
template <class Better>
int Extreme(const BarRecord* bars, int count, int type, int end, int start, double best,
            Better better) {
  Field field;
  if (!HasBars(bars, count) || start < 0 || !TypeField(type, field)) return 0;
  end = std::min(end, count);
  int result = 0;
  for (int s = start; s < end; ++s) {
    const double value = Read(SeriesBar(bars, count, s), field);
    if (better(value, best)) {
      best = value;
      result = s;
    }
  }
  return result;
}

}  // namespace

double fOpen(const BarRecord* bars, int count, int shift) {
  return FieldAt(bars, count, shift, Field::Open);
}
double fClose(const BarRecord* bars, int count, int shift) {
  return FieldAt(bars, count, shift, Field::Close);
}
double fHigh(const BarRecord* bars, int count, int shift) {
  return FieldAt(bars, count, shift, Field::High);
}
double fLow(const BarRecord* bars, int count, int shift) {
  return FieldAt(bars, count, shift, Field::Low);
}

int fHighest(const BarRecord* bars, int count, int type, int end, int start) {
  return Extreme(bars, count, type, end, start, 0.0,
                 [](double value, double best) { return value > best; });
}

int fLowest(const BarRecord* bars, int count, int type, int end, int start) {
  return Extreme(bars, count, type, end, start, 1e16,
                 [](double value, double best) { return value < best && value > 0.0; });
}

}  // namespace bridge
