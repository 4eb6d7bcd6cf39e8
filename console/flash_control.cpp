#include "console/flash_control.h"

#include "common/win/seams.h"

void FlashControl(COLORREF colour, ui::Window& control) {
  const COLORREF previous = control.Color();
  control.SetColor(colour);
  control.Repaint();
  WaitMilliseconds(400);
  control.SetColor(previous);
  control.Repaint();
  WaitMilliseconds(200);
  // Painted once more: a paint queued during the waits must not leave the signal colour.
  control.SetColor(previous);
  control.Repaint();
  control.SetFocus();
}
