#include "console/core/terminal_search.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

using namespace console;

namespace {

// A small drive: folders, files and shortcuts by full path, with ".." resolved the way the
// system resolves it (a ".." at the root stays at the root).
struct FakeDrive {
  std::set<std::string> folders;
  std::set<std::string> files;
  std::map<std::string, std::string> shortcuts;  // path -> target
  std::vector<std::string> probed;

  static std::string Normal(const std::string& path) {
    std::vector<std::string> parts;
    std::string piece;
    for (size_t i = 0; i <= path.size(); ++i) {
      if (i == path.size() || path[i] == '\\') {
        if (piece == "..") {
          if (parts.size() > 1) parts.pop_back();
        } else if (!piece.empty()) {
          parts.push_back(piece);
        }
        piece.clear();
      } else {
        piece += path[i];
      }
    }
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) out += (i ? "\\" : "") + parts[i];
    return parts.size() == 1 ? out + "\\" : out;
  }

  void AddFile(const std::string& path) {
    files.insert(Normal(path));
    std::string p = Normal(path);
    while (true) {
      const size_t slash = p.find_last_of('\\');
      if (slash == std::string::npos || slash + 1 == p.size()) break;
      p = slash == 2 ? p.substr(0, 3) : p.substr(0, slash);
      folders.insert(p);
      if (slash == 2) break;
    }
  }

  FileSystemProbe Probe() {
    FileSystemProbe probe;
    probe.fileExists = [this](const std::string& p) {
      probed.push_back(p);
      const std::string n = Normal(p);
      return files.count(n) > 0 || shortcuts.count(n) > 0;
    };
    probe.folderExists = [this](const std::string& p) { return folders.count(Normal(p)) > 0; };
    probe.readShortcut = [this](const std::string& p) -> std::optional<std::string> {
      auto it = shortcuts.find(Normal(p));
      if (it == shortcuts.end()) return std::nullopt;
      return it->second;
    };
    return probe;
  }
};

class TerminalSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    drive.AddFile("C:\\MT4\\terminal.exe");
    drive.AddFile("C:\\MT4\\a\\b\\c\\d\\e\\note.txt");
  }
  FakeDrive drive;
};

TEST_F(TerminalSearch, FolderItselfAndUpToFourLevelsAbove) {
  const FileSystemProbe probe = drive.Probe();
  EXPECT_EQ(SearchTerminalFromFolder("C:\\MT4", probe), "C:\\MT4\\terminal.exe");
  EXPECT_EQ(SearchTerminalFromFolder("C:\\MT4\\", probe), "C:\\MT4\\terminal.exe");
  EXPECT_EQ(SearchTerminalFromFolder("C:\\MT4\\a\\b", probe), "C:\\MT4\\terminal.exe");
  EXPECT_EQ(SearchTerminalFromFolder("C:\\MT4\\a\\b\\c\\d\\", probe), "C:\\MT4\\terminal.exe");
  EXPECT_EQ(SearchTerminalFromFolder("C:\\MT4\\a\\b\\c\\d\\e", probe), std::nullopt);
}

TEST_F(TerminalSearch, FolderProbesInOrderWithDotDot) {
  const FileSystemProbe probe = drive.Probe();
  EXPECT_EQ(SearchTerminalFromFolder("C:\\MT4\\a\\b\\c\\d\\e\\", probe), std::nullopt);
  const std::vector<std::string> expected = {
      "C:\\MT4\\a\\b\\c\\d\\e\\terminal.exe",
      "C:\\MT4\\a\\b\\c\\d\\e\\..\\terminal.exe",
      "C:\\MT4\\a\\b\\c\\d\\e\\..\\..\\terminal.exe",
      "C:\\MT4\\a\\b\\c\\d\\e\\..\\..\\..\\terminal.exe",
      "C:\\MT4\\a\\b\\c\\d\\e\\..\\..\\..\\..\\terminal.exe",
  };
  EXPECT_EQ(drive.probed, expected);
}

TEST_F(TerminalSearch, FileSearchStartsInItsOwnFolder) {
  const FileSystemProbe probe = drive.Probe();
  drive.AddFile("C:\\MT4\\config\\x.ini");
  EXPECT_EQ(SearchTerminalFromFile("C:\\MT4\\terminal.exe", probe), "C:\\MT4\\terminal.exe");
  EXPECT_EQ(SearchTerminalFromFile("C:\\MT4\\config\\x.ini", probe), "C:\\MT4\\terminal.exe");
  EXPECT_EQ(SearchTerminalFromFile("C:\\MT4\\a\\b\\c\\d\\note.txt", probe),
            "C:\\MT4\\terminal.exe");
  EXPECT_EQ(SearchTerminalFromFile("C:\\MT4\\a\\b\\c\\d\\e\\note.txt", probe), std::nullopt);
}

TEST_F(TerminalSearch, DriveRootSearchedAsRootOnly) {
  const FileSystemProbe probe = drive.Probe();
  EXPECT_EQ(SearchTerminalFromFolder("C:\\", probe), std::nullopt);
  drive.AddFile("D:\\terminal.exe");
  EXPECT_EQ(SearchTerminalFromFolder("D:\\", probe), "D:\\terminal.exe");
  drive.AddFile("D:\\x\\y.txt");
  EXPECT_EQ(SearchTerminalFromFolder("D:\\x", probe), "D:\\terminal.exe");
}

TEST_F(TerminalSearch, ShiftJisTrailBackslashIsNoSeparator) {
  // 表 is 0x95 0x5C: its second byte must neither be dropped as a trailing backslash nor cut
  // as a folder separator.
  const FileSystemProbe probe = drive.Probe();
  drive.AddFile("C:\\表\\terminal.exe");
  drive.AddFile("C:\\表\\ソ\\x.txt");
  EXPECT_EQ(SearchTerminalFromFolder("C:\\表", probe), "C:\\表\\terminal.exe");
  EXPECT_EQ(SearchTerminalFromFolder("C:\\表\\ソ", probe), "C:\\表\\terminal.exe");
  EXPECT_EQ(SearchTerminalFromFile("C:\\表\\ソ\\x.txt", probe), "C:\\表\\terminal.exe");
}

TEST_F(TerminalSearch, DroppedItemsFollowShortcutsAnyCase) {
  const FileSystemProbe probe = drive.Probe();
  drive.shortcuts["C:\\Desktop\\MT4.LNK"] = "C:\\MT4\\terminal.exe";
  drive.shortcuts["C:\\Desktop\\folder.lnk"] = "C:\\MT4\\a\\b";
  drive.shortcuts["C:\\Desktop\\again.Lnk"] = "C:\\Desktop\\MT4.LNK";
  EXPECT_EQ(ResolveDroppedItem("C:\\Desktop\\MT4.LNK", probe), "C:\\MT4\\terminal.exe");
  EXPECT_EQ(ResolveDroppedItem("C:\\Desktop\\folder.lnk", probe), "C:\\MT4\\terminal.exe");
  EXPECT_EQ(ResolveDroppedItem("C:\\Desktop\\again.Lnk", probe), "C:\\MT4\\terminal.exe");
  EXPECT_EQ(ResolveDroppedItem("C:\\MT4\\a", probe), "C:\\MT4\\terminal.exe");
  EXPECT_EQ(ResolveDroppedItem("C:\\nothing\\here", probe), std::nullopt);
}

TEST_F(TerminalSearch, ShortcutChainsAreBounded) {
  const FileSystemProbe probe = drive.Probe();
  drive.shortcuts["C:\\s\\loop.lnk"] = "C:\\s\\loop.lnk";
  EXPECT_EQ(ResolveDroppedItem("C:\\s\\loop.lnk", probe), std::nullopt);
  drive.shortcuts["C:\\s\\a.lnk"] = "C:\\s\\b.lnk";
  drive.shortcuts["C:\\s\\b.lnk"] = "C:\\s\\a.lnk";
  EXPECT_EQ(ResolveDroppedItem("C:\\s\\a.lnk", probe), std::nullopt);
  // Eight shortcuts in a row are followed; a ninth is one too many.
  for (int i = 0; i < 9; ++i)
    drive.shortcuts["C:\\s\\c" + std::to_string(i) + ".lnk"] =
        "C:\\s\\c" + std::to_string(i + 1) + ".lnk";
  drive.shortcuts["C:\\s\\c9.lnk"] = "C:\\MT4";
  EXPECT_EQ(ResolveDroppedItem("C:\\s\\c2.lnk", probe), "C:\\MT4\\terminal.exe");
  EXPECT_EQ(ResolveDroppedItem("C:\\s\\c1.lnk", probe), std::nullopt);
  // An unreadable shortcut fails its item.
  drive.files.insert("C:\\s\\broken.lnk");
  EXPECT_EQ(ResolveDroppedItem("C:\\s\\broken.lnk", probe), std::nullopt);
}

}  // namespace
