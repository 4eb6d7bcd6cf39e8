// Texts of the console's help and version pages: the page "Version.htm" that the version
// window shows, and the address of the online help.
#pragma once

#include <string>

#include "console/core/site_root.h"

namespace console {

inline constexpr char kVersionPageName[] = "Version.htm";

inline constexpr char kHelpPagePath[] = "soft/FX/EA/Pelmora/help/";

std::string OnlineHelpAddress();

// The version as the page shows it: the number's general text laid out by "##,###,###.###"
// (1.0800005 becomes 1.080).
std::string VersionPageNumber(float ownVersion);

// The whole page, CR LF line ends.
std::string BuildVersionPage(float ownVersion);

}  // namespace console
