#include "ui/colors.h"

namespace ui {

bool IsSystemColor(COLORREF color) {
  return (color & 0xFF000000u) == 0x80000000u;
}

COLORREF ResolveColor(COLORREF color) {
  if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFFu));
  return color & 0x00FFFFFFu;
}

}  // namespace ui
