// At most one running instance per program file: an owned mutex named after the full path.
#pragma once

#include <windows.h>

#include <string>

// The mutex name for a program path: every "\" becomes "-", every ":" is removed, every "."
// becomes "_" (C:\Tools\Console.exe gives C-Tools-Console_exe).
std::string SingleInstanceName(const std::string& programPath);

// Full path of the running program file, as the system gives it and in Shift-JIS.
std::wstring ProgramPathWide();
std::string ProgramPath();

// Creates the owned mutex; nullptr when the creation reports any error (another instance
// included): the program then ends at once with exit code 1.
HANDLE ClaimSingleInstance();
void ReleaseSingleInstance(HANDLE mutex);
