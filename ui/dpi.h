// Dots per inch of the displays. Forms and controls are written in the pixels of a 96-DPI
// display; Form and Control scale what they are created with, and Form::Scale scales a figure
// that a window computes with. These are for what happens before a window exists.
#pragma once

#include <windows.h>

#include "common/dpi_scale.h"

namespace ui {

// The DPI of the display the window is on (GetDpiForWindow where the system has it, the
// display's own on Windows 8.1, else the screen's LOGPIXELSY).
int WindowDpi(HWND hwnd);
// The DPI of the primary display, for placing a window that does not exist yet.
int ScreenDpi();
// 96-DPI pixels in pixels of the primary display (centring a window before creating it).
inline int ScaleForScreen(int value) {
  return common::ScaleToDpi(value, ScreenDpi());
}

// Moves and sizes a child window (or a form) from the pixels of one DPI to those of another.
void RescalePlace(HWND hwnd, int fromDpi, int toDpi);

// Lets the system scale the caption and menu of a window being created (WM_NCCREATE) where it
// would not do so by itself: per-monitor awareness of the first version, on Windows 10 1607.
void EnableCaptionScaling(HWND hwnd);

}  // namespace ui
