// The folders a program of the system starts from (its own and the Windows folder), and the
// making of a folder with its parents.
#pragma once

#include <string>

// Folder of the running program file, ending in "\".
std::string GetExeFolder();
// Whether that folder's path can be written in Shift-JIS. Every file of the program lives
// there; a path that cannot be written names other files or none.
bool ExeFolderFitsShiftJis();
// The Windows folder, ending in "\".
std::string GetWindowsFolder();
// The system folder, ending in "\".
std::string GetSystemFolder();
// Creates the folder with every missing parent; true when it exists afterwards.
bool EnsureFolder(const std::string& path);
