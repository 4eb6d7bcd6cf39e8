// The maker's web server: one address for everything the console asks of it, the help page,
// the version page and every fetch. Its server paths are appended to it.
#pragma once

namespace console {

inline constexpr char kSiteRoot[] = "https://www.quorvex.example/";

}  // namespace console
