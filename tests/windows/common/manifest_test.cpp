// The manifest as the built programs carry it: read out of each program's resources, so a build
// that kept an old manifest inside a program fails here whatever the source file says.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::wstring OwnPath() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return self;
}

std::wstring ProgramsFolder() {
  const std::wstring self = OwnPath();
  return self.substr(0, self.find_last_of(L'\\') + 1) + L"programs\\";
}

// The text of the program's manifest resource (the one a process is started with); empty when
// the program has none.
std::string EmbeddedManifest(const std::wstring& program) {
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
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

TEST(Manifest, EveryProgramRunsWithTheRightsOfWhoeverStartsIt) {
  for (const wchar_t* name :
       {L"TradeQuorvexStd.exe", L"SetupQuorvex.exe", L"terminal.exe", L"ZqDL.exe"}) {
    const std::string manifest = EmbeddedManifest(ProgramsFolder() + name);
    EXPECT_EQ(RequestedExecutionLevel(manifest), "asInvoker") << name << "\n" << manifest;
    // The rest of it stays: common controls 6 and the DPI awareness.
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << name;
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos) << name;
  }
  // The test programs carry the same manifest.
  EXPECT_EQ(RequestedExecutionLevel(EmbeddedManifest(OwnPath())), "asInvoker");
}

}  // namespace
