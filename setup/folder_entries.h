// The entries of one folder, as the set-up's walks see them.
#pragma once

#include <string>
#include <vector>

struct FolderEntry {
  std::string name;  // Shift-JIS
  bool isFolder = false;
};

// The folder's entries in the order the file system returns them, "." and ".." left out;
// hidden, system and read-only entries included. Empty when the folder cannot be searched.
std::vector<FolderEntry> ListFolder(const std::string& folder);
