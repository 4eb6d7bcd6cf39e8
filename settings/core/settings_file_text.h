// The parameter-set file: the setting table's slots 0 and 1 and ModifyCount as key-value
// lines under the header "PelmorarSetting", and the parser that reads such a text back.
#pragma once

#include <string>

#include "settings/core/setting_table.h"

namespace settings {

inline constexpr char kSettingsHeader[] = "PelmorarSetting";

// Header, then for slot 0 and slot 1 "ManualDataIndex=<slot>" and the 52 lines of that slot:
// 107 CR LF lines in all.
std::string BuildSettingsFileText(const SettingTable& table);

struct ParsedSettings {
  bool header = false;   // the header line was seen
  int settingLines = 0;  // lines whose value went into a cell of the table
};

// Reads the lines of a file text into the table (the caller resets it first). A
// ManualDataIndex outside 0..2 makes the lines up to the next valid ManualDataIndex ignored.
// Afterwards the cells of the six rows that need a value get their default back wherever
// their leading number reads as 0 or there is none.
ParsedSettings ParseSettingsText(const std::string& text, SettingTable& table);

}  // namespace settings
