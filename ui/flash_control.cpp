#include "ui/flash_control.h"

#include "common/win/seams.h"

namespace ui {

void FlashControl(COLORREF color, Window& target) {
  const COLORREF previous = target.Color();
  target.SetColor(color);
  target.Repaint();
  WaitMilliseconds(400);
  target.SetColor(previous);
  target.Repaint();
  WaitMilliseconds(200);
  target.SetColor(previous);
  target.Repaint();
  target.SetFocus();
}

}  // namespace ui
