#include "settings/core/settings_map_text.h"

#include "common/key_value_lines.h"
#include "common/number_text.h"
#include "settings/core/setting_layout.h"
#include "settings/core/settings_file_text.h"

namespace settings {

namespace {

constexpr char kSetNameKey[] = "SettingName";

struct ReadBackKeys {
  std::vector<std::string> keys;  // header, ManualDataIndex, then one per entry of rows
  std::vector<int> rows;
};

const ReadBackKeys& CompareKeys() {
  static const ReadBackKeys compare = [] {
    ReadBackKeys c;
    c.keys = {kSettingsHeader, "ManualDataIndex"};
    for (int row : ControlRowOrder()) {
      if (row == kRowTradeComment) continue;
      c.keys.push_back(SettingRows()[row].key);
      c.rows.push_back(row);
    }
    c.keys.push_back(kSetNameKey);
    c.rows.push_back(kReadBackSetName);
    return c;
  }();
  return compare;
}

}  // namespace

std::string BuildSettingsMapText(const ControlValues& values, const std::string& setName,
                                 float pipValueFactor, const std::string& dataPath) {
  std::string text = std::string(kSettingsHeader) + "\r\n";
  for (int row : ControlRowOrder()) {
    const std::string& value = values[row];
    const std::string sent = IsCheckBoxRow(row) ? (value == "1" ? "1" : "0") : value;
    text += std::string(SettingRows()[row].key) + "=" + sent + "\r\n";
  }
  text += std::string(kSetNameKey) + "=" + setName + "\r\n";
  text += "BuiltInTimes=" + common::FloatToText(pipValueFactor) + "\r\n";
  text += "DataPath=" + dataPath + "\r\n";
  return text;
}

std::string SettingsTooLongMessage(const ControlValues& values, const std::string& setName) {
  std::string name = "説明";
  size_t longest = values[kRowTradeComment].size();
  if (setName.size() > longest) {
    name = "設定名";
    longest = setName.size();
  }
  for (const ControlLayout& control : SettingsWindowLayout().controls) {
    if (IsCheckBoxRow(control.row) || values[control.row].size() <= longest) continue;
    longest = values[control.row].size();
    // The labels as they stand before the edit ("NpTp x" before the distance multiplier).
    name.clear();
    for (const LayoutLabel& label : control.labels) name += (name.empty() ? "" : " ") + label.text;
  }
  return "設定が長すぎてＥＡに送信できません！\n「" + name + "」を短くしてください";
}

bool FitsSettingsMap(const std::string& text, size_t mapSize) {
  return text.size() < mapSize;
}

ReadBackText ParseReadBackText(const std::string& mapText) {
  const ReadBackKeys& compare = CompareKeys();
  ReadBackText result;
  for (const std::string& line : common::KeyValueTextLines(mapText)) {
    std::string value;
    const int k = common::MatchKeyLine(line, compare.keys, &value);
    if (k == 0) result.header = true;
    if (k >= 2) result.entries.push_back({compare.rows[static_cast<size_t>(k - 2)], value});
  }
  return result;
}

bool ControlAgrees(int row, const std::string& controlValue, const std::string& mapValue) {
  if (IsCheckBoxRow(row)) return (mapValue == "1") == (controlValue == "1");
  return controlValue == mapValue;
}

}  // namespace settings
