// The application around the forms: the main form, the message loop, letting queued messages
// through, and the desktop work area.
#pragma once

#include <windows.h>

namespace ui {

class Form;

// Common controls and the form window class; forms call it themselves, it runs once.
void InitUi();

// Closing the main form ends the message loop.
void SetMainForm(Form* form);
Form* MainForm();

// Shows the main form (when there is one) and runs the message loop until the main form
// closes; returns the loop's exit code. Tab and arrow keys move between controls.
int RunMessageLoop();

// Lets the queued window messages through (paint, timers, clicks) and returns when the queue
// is empty. A quit request stays for the message loop; true when one is waiting there, so
// that a long operation can give up rather than keep the ending program alive.
bool ProcessMessages();

// The desktop work area (the screen without the task bar), in screen coordinates.
RECT DesktopWorkArea();

}  // namespace ui
