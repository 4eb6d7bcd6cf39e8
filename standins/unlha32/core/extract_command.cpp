#include "standins/unlha32/core/extract_command.h"

#include <vector>

namespace lzh {

namespace {

struct Word {
  std::string text;
  bool quoted = false;
};

// Blanks and tabs part words; a double quote starts or ends a quoted stretch. Neither byte can
// be the second byte of a double-byte character, so the split never cuts one.
bool SplitWords(const std::string& line, std::vector<Word>& words) {
  Word word;
  bool inWord = false;
  bool inQuotes = false;
  for (char c : line) {
    if (c == '"') {
      inQuotes = !inQuotes;
      inWord = true;
      word.quoted = true;
    } else if ((c == ' ' || c == '\t') && !inQuotes) {
      if (inWord) words.push_back(word);
      word = {};
      inWord = false;
    } else {
      word.text += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return !inQuotes;
}

}  // namespace

bool ParseExtractCommand(const std::string& line, ExtractCommand& command) {
  std::vector<Word> words;
  if (!SplitWords(line, words) || words.empty() || words[0].quoted || words[0].text != "x")
    return false;
  std::vector<std::string> paths;
  for (size_t i = 1; i < words.size(); ++i) {
    if (!words[i].quoted && words[i].text.starts_with("-")) continue;
    paths.push_back(words[i].text);
  }
  if (paths.size() != 2 || paths[0].empty() || paths[1].empty()) return false;
  command.archive = paths[0];
  command.folder = paths[1];
  return true;
}

}  // namespace lzh
