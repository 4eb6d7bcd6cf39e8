// Shows a control (or a whole form) in a colour for a moment to draw the eye to it: the colour
// for 400 ms, the previous colour for 200 ms, then the focus goes to it. Blocks the window
// thread for the 600 ms (through the wait seam, so tests run it at once).
#pragma once

#include <windows.h>

#include "ui/window.h"

namespace ui {

void FlashControl(COLORREF color, Window& target);

}  // namespace ui
