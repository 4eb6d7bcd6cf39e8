#include "settings/core/settings_file_text.h"

#include <vector>

#include "common/key_value_lines.h"
#include "common/text.h"

namespace settings {

namespace {

// A cell a file line addresses: a row of the table or one of the extra rows.
struct FileField {
  int row;
  bool extra;
};

const char* FieldKey(const FileField& f) {
  return f.extra ? ExtraRows()[f.row].key : SettingRows()[f.row].key;
}

// Lines of one slot's block, in file order: the control rows with AutoTrade after the check
// boxes, the comment, then ModifyCount.
const std::vector<FileField>& BlockFields() {
  static const std::vector<FileField> fields = [] {
    std::vector<FileField> f;
    for (int row : ControlRowOrder()) {
      f.push_back({row, false});
      if (row == kRowRikakuMode) f.push_back({kRowAutoTrade, false});
    }
    f.push_back({kExtraModifyCount, true});
    return f;
  }();
  return fields;
}

constexpr char kSlotKey[] = "ManualDataIndex";

// Keys the parser knows, in the order they are tested: the header and the slot switch come
// first, Expiration stands before MaxStoppLimmite and NewsSite closes the list.
struct ParseKeys {
  std::vector<std::string> keys;
  std::vector<FileField> fields;  // fields[i] belongs to keys[i + 2]
};

const ParseKeys& ParserKeys() {
  static const ParseKeys parse = [] {
    ParseKeys p;
    p.keys = {kSettingsHeader, kSlotKey};
    for (const FileField& f : BlockFields()) {
      if (!f.extra && f.row == kRowMaxStoppLimmite) p.fields.push_back({kExtraExpiration, true});
      p.fields.push_back(f);
    }
    p.fields.push_back({kExtraNewsSite, true});
    for (const FileField& f : p.fields) p.keys.push_back(FieldKey(f));
    return p;
  }();
  return parse;
}

std::string StoredValue(const FileField& f, const std::string& value) {
  if (f.extra) {
    if (!value.empty()) return value;
    switch (f.row) {
      case kExtraExpiration:
        return "0";
      case kExtraModifyCount:
        return "10000";
      default:
        return "DailyFxCom";
    }
  }
  if (IsCheckBoxRow(f.row)) return value == "1" ? "1" : "0";
  if (f.row == kRowAutoTrade) return value == "1" || value == "2" ? value : "0";
  return value;
}

// Rows the expert cannot work without: a loaded value that reads as the number 0 (or as no
// number at all) gives way to the row's reset value. The whole leading number counts, so a
// fraction such as 0.3 stays as it was saved.
constexpr int kRowsWithDefault[] = {kRowMaxStoppLimmite, kRowTrailMA,       kRowTrailOn,
                                    kRowTrailSL,         kRowRikakuBairits, kRowRikakuValue};

}  // namespace

std::string BuildSettingsFileText(const SettingTable& table) {
  std::string text = std::string(kSettingsHeader) + "\r\n";
  for (int slot = 0; slot <= 1; ++slot) {
    text += std::string(kSlotKey) + "=" + std::to_string(slot) + "\r\n";
    for (const FileField& f : BlockFields()) {
      const std::string& value = f.extra ? table.Extra(f.row, slot) : table.Cell(f.row, slot);
      text += std::string(FieldKey(f)) + "=" + value + "\r\n";
    }
  }
  return text;
}

ParsedSettings ParseSettingsText(const std::string& text, SettingTable& table) {
  const ParseKeys& parse = ParserKeys();
  ParsedSettings parsed;
  int slot = 0;
  bool slotValid = true;
  for (const std::string& line : common::KeyValueTextLines(text)) {
    std::string value;
    const int k = common::MatchKeyLine(line, parse.keys, &value);
    if (k < 0) continue;
    if (k == 0) {
      parsed.header = true;
    } else if (k == 1) {
      slot = common::SafeStrToInt(value);
      slotValid = slot >= 0 && slot < kSlotCount;
    } else if (slotValid) {
      const FileField& f = parse.fields[static_cast<size_t>(k - 2)];
      std::string& cell = f.extra ? table.Extra(f.row, slot) : table.Cell(f.row, slot);
      cell = StoredValue(f, value);
      ++parsed.settingLines;
    }
  }
  for (int s = 0; s <= 1; ++s)
    for (int row : kRowsWithDefault)
      if (common::SafeStrToFloat(table.Cell(row, s)) == 0.0f)
        table.Cell(row, s) = SettingRows()[row].resetText;
  return parsed;
}

}  // namespace settings
