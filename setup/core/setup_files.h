// The files shipped beside the set-up program: which of them are installed and where, and the
// lines of the list file that records them.
#pragma once

#include <string>

namespace setup {

inline constexpr char kExperts[] = "Experts";
inline constexpr char kScripts[] = "Scripts";
inline constexpr char kIndicators[] = "Indicators";
inline constexpr char kLibraries[] = "Libraries";
inline constexpr char kInclude[] = "Include";

// The terminal's category of a file by its name; empty when the file is not listed.
std::string SetupFileCategory(const std::string& fileName);

// One line of the list: folder (without trailing backslash), "\", name, ",", category, CR LF.
std::string SetupListLine(const std::string& folder, const std::string& fileName,
                          const std::string& category);

struct SetupListEntry {
  std::string source;
  std::string category;
};
// A list line split at its last ",": a folder name may hold commas, a category never does.
SetupListEntry SplitSetupListLine(const std::string& line);

// The list file's name: the program's file name with its extension replaced by ".csv".
std::string SetupListFileName(const std::string& programFileName);

// The folder under the terminal's data folder that receives a category (letter case not
// regarded); empty for the categories that are listed but not installed.
std::string CopyTargetFolder(const std::string& category);

// The file name of a path: what follows its last backslash.
std::string FileNameOf(const std::string& path);

}  // namespace setup
