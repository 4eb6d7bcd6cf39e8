// The command line of the archiver library's entry: "x", switches, the archive and the target
// folder, paths between double quotes when they hold blanks.
#pragma once

#include <string>

namespace lzh {

struct ExtractCommand {
  std::string archive;  // Shift-JIS path
  std::string folder;   // Shift-JIS path, as given (usually ending in "\")
};

// False unless the line is the command "x" followed by any switches ("-" first, accepted as
// they stand), one archive and one folder. Quotes group blanks and are removed; a quoted word
// is never a switch.
bool ParseExtractCommand(const std::string& line, ExtractCommand& command);

}  // namespace lzh
