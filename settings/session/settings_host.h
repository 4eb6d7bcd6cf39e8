// What the settings window works with, all of it the opening program's own: the folder the
// parameter sets lie beside, the settings map with the status of what it holds, the two
// values of the program's configuration that the window reads or keeps, and the lot choice.
// The window holds references, so the program's state outlives the window.
#pragma once

#include <functional>
#include <string>

#include "common/lot_choice.h"
#include "common/win/shared_text_map.h"

namespace settings {

struct SettingsHost {
  const std::string& exeFolder;  // ends in "\"; the sets' folder lies in it
  SharedTextMap& settingMap;     // opened by the settings window
  std::string& settingStatus;    // "ReadOK" after a set was loaded, "SendOK" after it was sent
  std::string& lastSetName;      // the set-name box as the configuration keeps it
  const std::string& dataPath;   // the terminal's data folder, passed on in the settings text
  std::function<common::LotChoice()> lotChoice;  // the lot buttons as they stand
};

}  // namespace settings
