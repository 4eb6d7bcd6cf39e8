// Finding the running terminal: its main window and the size of a file, beside the scan and
// the data-folder walk that are the set-up window's own (terminal_discovery.cpp).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The first top-level window, from the top of the Z order down, that has no owner, is visible
// and belongs to the process; nullptr when there is none.
HWND FindTerminalWindow(DWORD processId);

// The size of the file in bytes (its low 32 bits), 0 when it cannot be found.
uint32_t FileSizeOf(const std::string& path);
