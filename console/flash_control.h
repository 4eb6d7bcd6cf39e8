// A short flash of a control (or a whole window) in a signal colour, used to point the user at
// the box that needs attention, then the focus goes to it.
#pragma once

#include <windows.h>

#include "ui/window.h"

// Shows the colour for 400 ms, then the previous colour, waits 200 ms and gives the control
// the focus. Blocks the window thread for the waits.
void FlashControl(COLORREF colour, ui::Window& control);
