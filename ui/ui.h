// The thin Win32 layer of the system's windows, in one include.
//
//   Form (form.h)        a top-level window: derive from it, hold controls and timers as
//                        members; hooks onShow/onCloseQuery/onClose/onClick/onPaint; Close,
//                        Show/Hide, Left/Top/Width/Height (whole window), ClientWidth/Height,
//                        SetTopMost, SetAlpha, RestoreNormal, SetMenuBar; override Dispatch
//                        to catch a message (call Form::Dispatch for the rest).
//   controls (controls.h) Button, Edit, CheckBox, RadioButton, GroupBox, Panel, Label, ComboBox,
//                        ListBox, TrackBar, ProgressBar: created from ControlArgs; events as
//                        std::function members (onClick, onDoubleClick, onChange, onMouseMove);
//                        SetHint for tooltips; SetColor/SetTextColor (0x00BBGGRR or kColorWindow).
//   Timer (timer.h)      interval, enabled, onTimer; ticks on the form's thread.
//   app.h                SetMainForm, RunMessageLoop, ProcessMessages, DesktopWorkArea.
//   dpi.h                the display's DPI. Forms and controls take 96-DPI pixels and scale them
//                        themselves; a figure a handler computes with goes through Form::Scale
//                        (ui::ScaleForScreen before the window exists).
//   FlashControl (flash_control.h), colours (colors.h), fonts (font.h).
//
// Texts are Shift-JIS std::string throughout. Key state, message boxes, waits and program
// starts are the seams of common/win/seams.h.
#pragma once

#include "ui/app.h"
#include "ui/colors.h"
#include "ui/controls.h"
#include "ui/dpi.h"
#include "ui/flash_control.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/timer.h"
