// The manifest as the built programs carry it: read out of each program's resources, so a build
// that kept an old manifest inside a program, or left one without, fails here whatever the
// source file says.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "common/text.h"
#include "common/win/codepage.h"
#include "common/win/text_file.h"

namespace {

std::string OwnPath() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return WideToSjis(self);
}

std::string FolderOf(const std::string& path) {
  return path.substr(0, path.find_last_of("\\/") + 1);
}

std::string FileNameOf(const std::string& path) {
  return path.substr(path.find_last_of("\\/") + 1);
}

// Every program the build makes, as the build lists them, each path relative to the list.
std::vector<std::string> BuiltPrograms() {
  const std::string list = FolderOf(OwnPath()) + QX_PROGRAM_LIST;
  std::string rest = ReadTextFile(list);
  std::vector<std::string> programs;
  while (!rest.empty())
    if (const std::string line = common::CutBefore("\n", rest); !line.empty())
      programs.push_back(FolderOf(list) + line);
  return programs;
}

// The text of the program's manifest resource (the one a process is started with); empty when
// the program has none.
std::string EmbeddedManifest(const std::string& program) {
  HMODULE module = LoadLibraryExW(SjisToWide(program).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return {};
  std::string text;
  HRSRC found = FindResourceW(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes) text.assign(static_cast<const char*>(bytes), SizeofResource(module, found));
  FreeLibrary(module);
  return text;
}

// The level attribute of the execution level requested inside the trustInfo section; empty
// when there is none.
std::string RequestedExecutionLevel(const std::string& manifest) {
  const size_t open = manifest.find("<trustInfo");
  const size_t close = manifest.find("</trustInfo>", open);
  if (open == std::string::npos || close == std::string::npos) return {};
  const std::string trust = manifest.substr(open, close - open);
  const size_t element = trust.find("<requestedExecutionLevel");
  if (element == std::string::npos) return {};
  const std::string attributes = trust.substr(element, trust.find('>', element) - element);
  const size_t level = attributes.find("level=\"");
  if (level == std::string::npos) return {};
  const size_t start = level + 7;
  return attributes.substr(start, attributes.find('"', start) - start);
}

// The deliverables, the stand-ins, the test programs and their helper processes alike.
TEST(Manifest, EveryProgramRunsWithTheRightsOfWhoeverStartsIt) {
  std::set<std::string> names;
  for (const std::string& program : BuiltPrograms()) {
    names.insert(FileNameOf(program));
    const std::string manifest = EmbeddedManifest(program);
    EXPECT_EQ(RequestedExecutionLevel(manifest), "asInvoker") << program << "\n" << manifest;
    // The rest of it stays: common controls 6 and the DPI awareness.
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << program;
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos) << program;
  }
  // A list that lost programs would pass the loop: it names these at least.
  for (const std::string& name :
       {std::string("TradeQuorvexStd.exe"), std::string("SetupQuorvex.exe"),
        std::string("terminal.exe"), std::string("ZqDL.exe"), std::string("e2e_setup_tests.exe"),
        FileNameOf(OwnPath())})
    EXPECT_EQ(names.count(name), 1u) << name;
}

}  // namespace
