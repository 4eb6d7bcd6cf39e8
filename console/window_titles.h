// Titles of the top-level windows that matter to the terminal link, gathered into the main
// window's hidden list box.
#pragma once

#include <windows.h>

#include <string>

inline constexpr char kTerminalTitleMark[] = "MetaTrader 4";

// EnumWindows callback; list is the list box's HWND. For a title that holds
// "Internet Explorer" or "MetaTrader 4" it adds a separator line and the title. Always goes on.
BOOL CALLBACK CollectWindowTitles(HWND window, LPARAM list);

// The first entry of the list box that holds "MetaTrader 4"; empty when none.
std::string FirstTerminalTitle(HWND list);
