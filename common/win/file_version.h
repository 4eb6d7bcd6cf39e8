// The running program's file version and the version number derived from it.
#pragma once

#include <string>

// "FileVersion" of the Japanese (041103A4) string block of the running program's version
// resource; empty on any failure.
std::string ReadFileVersion();

// VersionNumber of ReadFileVersion; 0 + 5e-7 when there is no usable version.
float OwnVersion();
