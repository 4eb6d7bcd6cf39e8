#include "console/core/console_config.h"

#include <algorithm>
#include <array>
#include <vector>

#include "common/key_value_lines.h"
#include "common/text.h"
#include "console/core/slider.h"

namespace console {

namespace {

enum class IniKey {
  ReadMe,
  Revision,
  Newision,
  flgNotNews,
  TrackBar1,
  cmbSetName,
  MT4Path,
  DataPath
};

struct IniKeyEntry {
  const char* key;
  IniKey id;
  int comparedBytes;  // the key's length: lines are matched by this prefix
  int valueStart;     // 1-based byte where the value begins (after key and separator)
};

// The reader's fixed order: a line belongs to the first key that begins it.
constexpr std::array<IniKeyEntry, 8> kReadOrder = {{
    {"ReadMe", IniKey::ReadMe, 6, 8},
    {"Revision", IniKey::Revision, 8, 10},
    {"Newision", IniKey::Newision, 8, 10},
    {"flgNotNews", IniKey::flgNotNews, 10, 12},
    {"TrackBar1", IniKey::TrackBar1, 9, 11},
    {"cmbSetName", IniKey::cmbSetName, 10, 12},
    {"MT4Path", IniKey::MT4Path, 7, 9},
    {"DataPath", IniKey::DataPath, 8, 10},
}};

constexpr size_t Length(const char* s) {
  return *s ? 1 + Length(s + 1) : 0;
}

// MatchKeyLine compares the key's own bytes and skips exactly one separator byte; the table's
// offsets say the same, and must keep saying it.
constexpr bool OffsetsAgree() {
  for (const IniKeyEntry& e : kReadOrder)
    if (Length(e.key) != static_cast<size_t>(e.comparedBytes) ||
        e.valueStart != e.comparedBytes + 2)
      return false;
  return true;
}
static_assert(OffsetsAgree(), "key lengths and value offsets of the configuration reader");

const std::vector<std::string>& ReadKeys() {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> k;
    k.reserve(kReadOrder.size());
    for (const IniKeyEntry& e : kReadOrder) k.emplace_back(e.key);
    return k;
  }();
  return keys;
}

float NumberOf(const std::string& text) {
  return common::SafeStrToFloat(common::KeepNumber(text));
}

}  // namespace

IniExtras ParseIniText(const std::string& text, float ownVersion, ConsoleConfig& config) {
  IniExtras extras;
  config.RevisionValue = ownVersion;
  for (const std::string& line : common::KeyValueTextLines(text)) {
    std::string value;
    const int index = common::MatchKeyLine(line, ReadKeys(), &value);
    if (index < 0) continue;
    switch (kReadOrder[static_cast<size_t>(index)].id) {
      case IniKey::ReadMe:
        config.ReadMe = value;
        break;
      case IniKey::Revision:
        config.Revision = value;
        config.RevisionValue = NumberOf(value);
        break;
      case IniKey::Newision:
        config.Newision = value;
        config.NewisionValue = NumberOf(value);
        break;
      case IniKey::flgNotNews:
        config.flgNotNews = value;
        break;
      case IniKey::TrackBar1:
        extras.trackBar = std::clamp(common::SafeStrToInt(value), 0, kSliderMax);
        break;
      case IniKey::cmbSetName:
        config.LastSetName = value;
        extras.setNameRead = true;
        break;
      case IniKey::MT4Path:
        config.MT4Path = value;
        break;
      case IniKey::DataPath:
        config.DataPath = value;
        break;
    }
  }
  // A missing or older entry counts as the console's own version.
  config.RevisionValue = std::max(config.RevisionValue, ownVersion);
  config.NewisionValue = std::max(config.NewisionValue, ownVersion);
  return extras;
}

std::string BuildIniText(const ConsoleConfig& config, int trackBarPosition,
                         const std::string& setName) {
  return common::BuildKeyValueText({
      {"ReadMe", config.ReadMe},
      {"Revision", config.Revision},
      {"Newision", config.Newision},
      {"flgNotNews", config.flgNotNews},
      {"TrackBar1", std::to_string(trackBarPosition)},
      {"MT4Path", config.MT4Path},
      {"DataPath", config.DataPath},
      {"cmbSetName", setName},
  });
}

}  // namespace console
