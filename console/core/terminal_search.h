// Finding the trader's terminal program from something dropped on the console or chosen in the
// folder dialog: the place itself and up to four folder levels above it are searched for
// "terminal.exe". The file system is reached through the probe so the search can be tested
// anywhere.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "common/file_names.h"

namespace console {

// A shortcut to a shortcut is followed again, but never more often than this; a longer or
// circular chain makes the item fail.
inline constexpr int kMaxShortcutHops = 8;

struct FileSystemProbe {
  std::function<bool(const std::string& path)> fileExists;
  std::function<bool(const std::string& path)> folderExists;
  // The target of a shell shortcut; nullopt when it cannot be read.
  std::function<std::optional<std::string>(const std::string& shortcutPath)> readShortcut;
};

// From a folder (one trailing backslash is ignored). The result never contains "..".
std::optional<std::string> SearchTerminalFromFolder(const std::string& folder,
                                                    const FileSystemProbe& probe);
// From a file: its own folder first.
std::optional<std::string> SearchTerminalFromFile(const std::string& file,
                                                  const FileSystemProbe& probe);

// True when the last four bytes, lower-cased, are ".lnk".
bool IsShortcutName(const std::string& path);

// One dropped item: a folder, a file, or a shortcut to either (followed through chains).
std::optional<std::string> ResolveDroppedItem(const std::string& path,
                                              const FileSystemProbe& probe);

}  // namespace console
