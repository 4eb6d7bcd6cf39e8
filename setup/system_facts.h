// What the set-up asks of the system: the Windows version and the user's application-data
// folder.
#pragma once

#include <optional>
#include <string>

#include "setup/core/windows_version_gate.h"

// The platform id, major and minor version the system reports; nullopt when it cannot say.
std::optional<setup::WindowsVersion> SystemWindowsVersion();

// The user's application-data folder without a trailing backslash; empty when unknown.
std::string AppDataFolderPath();
