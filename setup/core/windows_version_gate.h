// Which Windows versions the set-up runs on. The install run reads the platform id, major and
// minor version the system reports and refuses the old ones by name.
#pragma once

#include <string>

namespace setup {

struct WindowsVersion {
  unsigned long platformId = 0;  // 1: the Windows 9x line, 2: the NT line
  unsigned long major = 0;
  unsigned long minor = 0;
};

struct VersionVerdict {
  bool allowed = false;
  std::string name;  // for a refused version: its name as the refusal shows it
};

VersionVerdict CheckWindowsVersion(const WindowsVersion& version);

}  // namespace setup
