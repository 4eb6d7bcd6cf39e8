#include "common/key_value_lines.h"

#include "common/text.h"

namespace common {

std::vector<std::string> KeyValueTextLines(std::string text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    std::string line = CutBefore("\r\n", text);
    if (!line.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

int MatchKeyLine(const std::string& line, const std::vector<std::string>& keys,
                 std::string* value) {
  for (size_t k = 0; k < keys.size(); ++k) {
    const std::string& key = keys[k];
    if (key.empty() || LeftText(static_cast<int>(key.size()), line) != key) continue;
    if (value) *value = line.size() > key.size() + 1 ? line.substr(key.size() + 1) : "";
    return static_cast<int>(k);
  }
  return -1;
}

std::string BuildKeyValueText(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string text;
  for (const auto& [key, value] : entries) {
    text += key;
    text += '=';
    text += value;
    text += "\r\n";
  }
  return text;
}

}  // namespace common
