// Colours of the windows: COLORREF values 0x00BBGGRR (red in the low byte), as the windows'
// tables write them. A value 0x800000NN names the system colour NN (a GetSysColor index):
// kColorWindow is the system window background. Resolve such values before drawing.
#pragma once

#include <windows.h>

#include "common/colours.h"

namespace ui {

// "Not set": the control keeps its default colour (the form's colour for labels, check boxes,
// radio buttons, group boxes and track bars; the system's colour for edits and lists).
inline constexpr COLORREF kNoColor = CLR_INVALID;

inline constexpr COLORREF kColorWindow = common::kSystemWindowColour;
inline constexpr COLORREF kColorBtnFace = 0x8000000F;  // system face of buttons and forms
inline constexpr COLORREF kColor3DLight = 0x80000016;  // system light edge colour

inline constexpr COLORREF kBlack = 0x000000;
inline constexpr COLORREF kMaroon = 0x000080;
inline constexpr COLORREF kGreen = 0x008000;
inline constexpr COLORREF kOlive = 0x008080;
inline constexpr COLORREF kPurple = 0x800080;
inline constexpr COLORREF kRed = 0x0000FF;
inline constexpr COLORREF kLime = 0x00FF00;
inline constexpr COLORREF kYellow = 0x00FFFF;
inline constexpr COLORREF kBlue = 0xFF0000;
inline constexpr COLORREF kFuchsia = 0xFF00FF;
inline constexpr COLORREF kWhite = 0xFFFFFF;
inline constexpr COLORREF kCream = 0xF0FBFF;

bool IsSystemColor(COLORREF color);
// The RGB value to draw with: system colours looked up now, others as they are.
COLORREF ResolveColor(COLORREF color);

}  // namespace ui
