// Finding the running terminal: its main window and the size of a file, beside the scan and
// the data-folder walk that are the set-up window's own (terminal_discovery.cpp).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The first top-level window, from the top of the Z order down, that has no owner, is visible
// and belongs to the process; nullptr when there is none.
HWND FindTerminalWindow(DWORD processId);

// The size of the file in bytes (its low 32 bits), 0 when it cannot be found.
uint32_t FileSizeOf(const std::string& path);

// The ids of the running processes through the process-status library's EnumProcesses. A busy
// machine runs more processes than the first buffer holds: the list is asked for again with a
// larger one until it fits, or the terminal might be among those left out. nullopt when the
// list cannot be read.
using EnumProcessesCall = std::function<BOOL(DWORD* ids, DWORD bytes, DWORD* filled)>;
std::optional<std::vector<DWORD>> RunningProcessIds(const EnumProcessesCall& enumProcesses);
