#include "setup/core/setup_files.h"

#include <array>

#include "common/text.h"

namespace setup {

namespace {

bool Contains(const std::string& text, const char* part) {
  return common::PosMbcs(part, text) > 0;
}

struct CopyTarget {
  const char* category;
  const char* folder;
};

constexpr std::array<CopyTarget, 3> kCopyTargets = {{
    {kExperts, "MQL4\\Experts"},
    {kLibraries, "MQL4\\Libraries"},
    {kInclude, "MQL4\\Include"},
}};

}  // namespace

std::string SetupFileCategory(const std::string& fileName) {
  if (fileName.size() < 4) return {};
  const std::string extension = common::LowerAscii(common::RightText(4, fileName));
  if (extension == ".mq4" || extension == ".ex4") {
    if (Contains(fileName, "Pelmorar")) return kExperts;
    if (Contains(fileName, "period_converter_600all")) return kScripts;
    return kIndicators;
  }
  if (extension == ".dll") return kLibraries;
  if (extension == ".mqh") return kInclude;
  return {};
}

std::string SetupListLine(const std::string& folder, const std::string& fileName,
                          const std::string& category) {
  return folder + "\\" + fileName + "," + category + "\r\n";
}

SetupListEntry SplitSetupListLine(const std::string& line) {
  // "," is never the second byte of a double-byte character, so a byte search is safe.
  const size_t comma = line.rfind(',');
  if (comma == std::string::npos) return {line, {}};
  return {line.substr(0, comma), line.substr(comma + 1)};
}

std::string SetupListFileName(const std::string& programFileName) {
  const size_t dot = programFileName.rfind('.');
  return (dot == std::string::npos ? programFileName : programFileName.substr(0, dot)) + ".csv";
}

std::string CopyTargetFolder(const std::string& category) {
  const std::string lower = common::LowerAscii(category);
  for (const CopyTarget& target : kCopyTargets)
    if (common::LowerAscii(target.category) == lower) return target.folder;
  return {};
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = common::LastBackslash(path);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace setup
