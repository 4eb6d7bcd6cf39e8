// The version number the update checks compare: major, a point, then the digits of the rest
// of a dotted file version ("1.0.8.0" -> 1.080), held as a 32-bit float nudged up by 5e-7.
#pragma once

#include <string>

namespace common {

// Throws ConversionError when the major part is not a number.
float VersionNumber(const std::string& fileVersion);

}  // namespace common
