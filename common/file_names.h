// Files that more than one program of the system names: the console's configuration file,
// which the set-up program also reads, and the terminal's program file, which the console and
// the set-up program both look for.
#pragma once

namespace common {

inline constexpr char kIniFileName[] = "FxQuorvex.ini";
inline constexpr char kTerminalFileName[] = "terminal.exe";

}  // namespace common
