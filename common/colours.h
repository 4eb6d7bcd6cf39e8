// Colours the system's windows share, as 0x00BBGGRR values.
#pragma once

#include <cstdint>

namespace common {

// Stands for the system's window background; the ui layer resolves it before drawing.
inline constexpr uint32_t kSystemWindowColour = 0x80000005;
// The background of the console's windows (the main window and the settings window).
inline constexpr uint32_t kConsoleFormColour = 0xFFCCCC;

}  // namespace common
