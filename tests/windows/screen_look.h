// The end of a program that only shows windows for looking at under Xvfb (not a test): runs the
// message loop for the seconds its command line names (20 when it names none), then quits.
#pragma once

#include <windows.h>

#include <cstdlib>

#include "ui/app.h"

inline void CALLBACK EndLook(HWND, UINT, UINT_PTR, DWORD) {
  PostQuitMessage(0);
}

inline int RunForLook(const char* commandLine) {
  const int given = std::atoi(commandLine);
  const int seconds = given > 0 ? given : 20;
  SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, EndLook);
  return ui::RunMessageLoop();
}
