// Reading a shell shortcut (.lnk). Texts are Shift-JIS.
#pragma once

#include <string>

// Loads the shortcut and takes what was asked for, in this order: target, arguments, icon
// (file and index together). Each step runs only when the one before succeeded; the result
// tells whether the last step taken succeeded.
bool ReadShortcut(const std::string& shortcutPath, std::string* target,
                  std::string* arguments = nullptr, std::string* iconFile = nullptr,
                  int* iconIndex = nullptr);
