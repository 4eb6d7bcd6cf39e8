#include "console/core/layout.h"

// The corner is taken in screen coordinates: a taskbar at the top or at the left moves the
// work area's origin, and the window must still end at its bottom-right edge.
int AnchorLeft(const WorkArea& area, int width) {
  return area.right - width;
}
int AnchorTop(const WorkArea& area, int height) {
  return area.bottom - height;
}

WindowBounds CompactLayout(const WorkArea& area) {
  return {AnchorLeft(area, kCompactWidth), AnchorTop(area, kCompactHeight), kCompactWidth,
          kCompactHeight};
}

WindowBounds ToggledLayout(const WorkArea& area, int currentHeight) {
  if (IsFullLayout(currentHeight)) return CompactLayout(area);
  return {AnchorLeft(area, kFullWidth), AnchorTop(area, kFullHeight), kFullWidth, kFullHeight};
}
