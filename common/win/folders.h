// The folders a program of the system starts from: its own and the Windows folder.
#pragma once

#include <string>

// Folder of the running program file, ending in "\".
std::string GetExeFolder();
// The Windows folder, ending in "\".
std::string GetWindowsFolder();
