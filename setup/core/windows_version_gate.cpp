#include "setup/core/windows_version_gate.h"

namespace setup {

namespace {

constexpr unsigned long kWin9xLine = 1;
constexpr unsigned long kNtLine = 2;

VersionVerdict Refused(std::string name) {
  return {false, std::move(name)};
}

VersionVerdict Win9x(unsigned long minor) {
  switch (minor) {
    case 0:
      return Refused("Windows 95");
    case 10:
      return Refused("Windows 98");
    case 90:
      return Refused("Windows Me");
    default:
      return Refused("Windows 95 family");
  }
}

VersionVerdict Nt(unsigned long major, unsigned long minor) {
  if (major == 3) return Refused("Windows NT 3");
  if (major == 4) return Refused("Windows NT 4");
  if (major == 5 && minor == 0) return Refused("Windows 2000");
  if (major == 5 && minor == 1) return Refused("Windows XP");
  // 5.2 and later, including NT 6 releases newer than 6.3 and major versions such as 10.
  return {true, {}};
}

}  // namespace

VersionVerdict CheckWindowsVersion(const WindowsVersion& version) {
  if (version.platformId == kWin9xLine) return Win9x(version.minor);
  if (version.platformId == kNtLine) return Nt(version.major, version.minor);
  // Win32s, CE and whatever else reports another platform: not a system the terminal runs on.
  return Refused("Windows (platform " + std::to_string(version.platformId) + ")");
}

}  // namespace setup
