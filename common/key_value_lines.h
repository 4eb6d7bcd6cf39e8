// Key-value text files: Shift-JIS, CR LF lines of a key, one separator byte and the value.
// Readers test each line against their own ordered key list; writers rebuild the whole text.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace common {

// The non-empty lines of a text, cut at each CR LF; a last line without CR LF comes whole.
std::vector<std::string> KeyValueTextLines(std::string text);

// Index of the first key (in list order) whose bytes begin the line, -1 when none. The value
// is everything after the key and one more byte, whatever that byte is.
int MatchKeyLine(const std::string& line, const std::vector<std::string>& keys, std::string* value);

// "key=value" CR LF for every entry, in the order given.
std::string BuildKeyValueText(const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace common
