#include "setup/core/setup_config.h"

#include <array>

#include "common/key_value_lines.h"

namespace setup {

namespace {

using Field = std::string SetupConfig::*;

struct KeyField {
  const char* key;
  Field field;
};

// The reader's order: the first key that begins a line takes it.
constexpr std::array<KeyField, 9> kReadOrder = {{
    {"ReadMe", &SetupConfig::ReadMe},
    {"Revision", &SetupConfig::Revision},
    {"Newision", &SetupConfig::Newision},
    {"flgNotNews", &SetupConfig::flgNotNews},
    {"TrackBar1", &SetupConfig::TrackBar1},
    {"cmbSetName", &SetupConfig::cmbSetName},
    {"cmbIndName", &SetupConfig::cmbIndName},
    {"cmbClzName", &SetupConfig::cmbClzName},
    {"MT4Path", &SetupConfig::MT4Path},
}};

// The writer's order, as indices into the reader's: the terminal's path comes after the slider.
constexpr std::array<size_t, 9> kWriteOrder = {0, 1, 2, 3, 4, 8, 5, 6, 7};

}  // namespace

void LoadIniKeys(const std::string& text, SetupConfig& config) {
  std::vector<std::string> keys;
  keys.reserve(kReadOrder.size());
  for (const KeyField& k : kReadOrder) keys.emplace_back(k.key);
  for (const std::string& line : common::KeyValueTextLines(text)) {
    std::string value;
    const int match = common::MatchKeyLine(line, keys, &value);
    if (match >= 0) config.*kReadOrder[static_cast<size_t>(match)].field = value;
  }
}

std::string ProIniText(const SetupConfig& config) {
  std::vector<std::pair<std::string, std::string>> entries;
  entries.reserve(kWriteOrder.size());
  for (const size_t i : kWriteOrder)
    entries.emplace_back(kReadOrder[i].key, config.*kReadOrder[i].field);
  return common::BuildKeyValueText(entries);
}

}  // namespace setup
