#include "console/core/terminal_search.h"

#include "common/text.h"

namespace console {

namespace {

constexpr int kLevelsAbove = 4;

bool EndsWithBackslash(const std::string& path) {
  return !path.empty() && common::LastBackslash(path) == path.size() - 1;
}

std::string WithoutTrailingBackslash(const std::string& path) {
  return EndsWithBackslash(path) ? path.substr(0, path.size() - 1) : path;
}

// The path up to and including its last backslash.
std::string FolderPart(const std::string& path) {
  const size_t slash = common::LastBackslash(path);
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The folder with its last n folder names removed; ends with a backslash when n > 0.
std::string RemoveLevels(std::string folder, int n) {
  for (int i = 0; i < n; ++i) folder = FolderPart(WithoutTrailingBackslash(folder));
  return folder;
}

std::string Ups(int n) {
  std::string ups;
  for (int i = 0; i < n; ++i) ups += "..\\";
  return ups;
}

}  // namespace

std::optional<std::string> SearchTerminalFromFolder(const std::string& folder,
                                                    const FileSystemProbe& probe) {
  const std::string f = WithoutTrailingBackslash(folder);
  for (int n = 0; n <= kLevelsAbove; ++n) {
    if (!probe.fileExists(f + "\\" + Ups(n) + common::kTerminalFileName)) continue;
    return n == 0 ? f + "\\" + common::kTerminalFileName
                  : RemoveLevels(f, n) + common::kTerminalFileName;
  }
  return std::nullopt;
}

std::optional<std::string> SearchTerminalFromFile(const std::string& file,
                                                  const FileSystemProbe& probe) {
  std::string f = FolderPart(file);
  if (!EndsWithBackslash(f)) f += "\\";
  for (int n = 0; n <= kLevelsAbove; ++n) {
    if (probe.fileExists(f + Ups(n) + common::kTerminalFileName))
      return RemoveLevels(f, n) + common::kTerminalFileName;
  }
  return std::nullopt;
}

bool IsShortcutName(const std::string& path) {
  std::string tail = common::RightText(4, path);
  for (char& c : tail)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return tail == ".lnk";
}

std::optional<std::string> ResolveDroppedItem(const std::string& path,
                                              const FileSystemProbe& probe) {
  std::string current = path;
  for (int hops = 0;; ++hops) {
    if (probe.folderExists(current)) return SearchTerminalFromFolder(current, probe);
    if (!probe.fileExists(current)) return std::nullopt;
    if (!IsShortcutName(current)) return SearchTerminalFromFile(current, probe);
    if (hops == kMaxShortcutHops) return std::nullopt;
    std::optional<std::string> target = probe.readShortcut(current);
    if (!target || target->empty()) return std::nullopt;
    current = *target;
  }
}

}  // namespace console
