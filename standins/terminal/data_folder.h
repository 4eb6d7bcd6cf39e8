// The terminal's data folder, made as a terminal makes it on its first start: under the user's
// application data, "MetaQuotes\Terminal\" and a folder named by an id of the installation,
// holding "origin.txt" (the install folder in UTF-16 after the mark FF FE) and the MQL4
// folders for experts, libraries and include files.
#pragma once

#include <string>

// The id of an installation: 32 hexadecimal digits derived from its folder, any letter case.
std::wstring InstallationId(const std::wstring& installFolder);

// Makes what is missing of the data folder of the installation (no trailing backslash) and
// returns its path; empty when the application-data folder is unknown.
std::wstring EnsureDataFolder(const std::wstring& installFolder);
