// The main window's two sizes and its place in the bottom-right corner of the work area. The
// sizes and the threshold are 96-DPI pixels; the functions take the window's DPI and work in
// the display's pixels, as the work area and the window's height come.
#pragma once

#include "common/dpi_scale.h"

namespace console {

struct WorkArea {
  int left, top, right, bottom;
};

struct WindowBounds {
  int left, top, width, height;
};

inline constexpr int kCompactWidth = 255;
inline constexpr int kCompactHeight = 225;
inline constexpr int kFullWidth = 267;
inline constexpr int kFullHeight = 467;
// The width the window takes when the pending price follows the current price.
inline constexpr int kPlusMinusWidth = 267;

// From this height on the window counts as being in its full layout.
inline constexpr int kFullLayoutThreshold = 240;
inline bool IsFullLayout(int height, int dpi) {
  return height >= common::ScaleToDpi(kFullLayoutThreshold, dpi);
}

// Left and Top that put a window of this size into the work area's bottom-right corner.
int AnchorLeft(const WorkArea& area, int width);
int AnchorTop(const WorkArea& area, int height);

// The bounds of the other layout than the one of the given height, anchored in the corner.
WindowBounds ToggledLayout(const WorkArea& area, int currentHeight, int dpi);
WindowBounds CompactLayout(const WorkArea& area, int dpi);

}  // namespace console
