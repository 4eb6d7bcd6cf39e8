// One value of the registry read as text; the console only ever reads the registry.
#pragma once

#include <windows.h>

#include <string>

// A string value gives its text (Shift-JIS); an integer value gives "0" for 0 and "-1" for -1
// and the empty text for any other number; any other kind (an expandable string among them),
// a missing value or a key that cannot be opened gives the empty text. The key is opened for
// reading only and never created.
std::string ReadRegistryValue(HKEY root, const std::string& keyPath, const std::string& name);
