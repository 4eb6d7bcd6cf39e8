// The settings text the window sends to the expert through the settings map, and the reading
// of that text back to mark the controls whose values have not been sent yet.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "settings/core/setting_table.h"

namespace settings {

// What the controls hold, by row: "1" or "0" for a check box, the text for an edit (rows
// without a control are not used).
using ControlValues = std::array<std::string, kSettingRowCount>;

// Header, the check boxes, the edits in table order, TradeComment, SettingName, BuiltInTimes
// (the pip value factor's general text) and DataPath, every line ending in CR LF.
std::string BuildSettingsMapText(const ControlValues& values, const std::string& setName,
                                 float pipValueFactor, const std::string& dataPath);

// Whether the map holds the whole text and a zero byte after it. A text that does not fit is
// not sent at all: cut, its last line would give the expert a value nobody chose.
bool FitsSettingsMap(const std::string& text, size_t mapSize);
// Said when the text does not fit. It names the longest value the trader can shorten: the
// comment, the set name or an edit's value (by its label), the comment when none is longer.
std::string SettingsTooLongMessage(const ControlValues& values, const std::string& setName);

// The row of SettingName in a read-back entry (the set-name box).
inline constexpr int kReadBackSetName = -1;

struct ReadBackEntry {
  int row;  // a control row, or kReadBackSetName
  std::string value;
};

struct ReadBackText {
  bool header = false;
  std::vector<ReadBackEntry> entries;  // in the order of the map's lines
};

// The compared lines of a map text (TradeComment, BuiltInTimes and DataPath are not compared).
ReadBackText ParseReadBackText(const std::string& mapText);

// Whether a control agrees with the value the map holds for it: a check box when both say
// ticked ("1") or both do not, an edit or the set-name box when the texts are equal.
bool ControlAgrees(int row, const std::string& controlValue, const std::string& mapValue);

}  // namespace settings
