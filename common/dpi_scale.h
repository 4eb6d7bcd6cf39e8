// The windows are drawn up in the pixels of a 96-DPI display; a display of more dots per inch
// shows each of those pixels as DPI/96 of its own. One rounding for every figure, so that
// sizes, positions and thresholds scaled apart still fit together.
#pragma once

#include <cstdint>

namespace common {

inline constexpr int kDesignDpi = 96;

// Pixels of a `from`-DPI display in pixels of a `to`-DPI display, rounded half away from zero
// (as the system's MulDiv does).
constexpr int RescaleDpi(int value, int from, int to) {
  if (from <= 0 || from == to) return value;
  const int64_t product = static_cast<int64_t>(value) * to;
  const int64_t half = product < 0 ? -(from / 2) : from / 2;
  return static_cast<int>((product + half) / from);
}

// `value` 96-DPI pixels in pixels of a `dpi` display; unchanged at 96.
constexpr int ScaleToDpi(int value, int dpi) {
  return RescaleDpi(value, kDesignDpi, dpi);
}

}  // namespace common
