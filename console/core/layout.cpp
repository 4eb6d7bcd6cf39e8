#include "console/core/layout.h"

namespace console {

// The corner is taken in screen coordinates: a taskbar at the top or at the left moves the
// work area's origin, and the window must still end at its bottom-right edge.
int AnchorLeft(const WorkArea& area, int width) {
  return area.right - width;
}
int AnchorTop(const WorkArea& area, int height) {
  return area.bottom - height;
}

namespace {

WindowBounds Anchored(const WorkArea& area, int width, int height, int dpi) {
  width = common::ScaleToDpi(width, dpi);
  height = common::ScaleToDpi(height, dpi);
  return {AnchorLeft(area, width), AnchorTop(area, height), width, height};
}

}  // namespace

WindowBounds CompactLayout(const WorkArea& area, int dpi) {
  return Anchored(area, kCompactWidth, kCompactHeight, dpi);
}

WindowBounds ToggledLayout(const WorkArea& area, int currentHeight, int dpi) {
  if (IsFullLayout(currentHeight, dpi)) return CompactLayout(area, dpi);
  return Anchored(area, kFullWidth, kFullHeight, dpi);
}

}  // namespace console
