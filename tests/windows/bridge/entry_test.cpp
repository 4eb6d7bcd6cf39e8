// What the library does when it is attached: the installation's stale debug file, and maps
// that cannot be opened.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/windows/bridge/bridge_fixture.h"

using namespace common;

namespace {

std::wstring TempFolder(const wchar_t* name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  return std::wstring(temp) + name + std::to_wstring(GetCurrentProcessId());
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A data folder with the tester's debug file and another file beside it, the library copied
// into libraryFolder (a path under the data folder) and loaded. Tells whether the debug file
// is still there afterwards; everything is removed again.
bool DebugFileSurvivesLoadFrom(const std::wstring& libraryFolder) {
  const std::wstring data = TempFolder(L"qx_data_");
  std::vector<std::wstring> folders = {data, data + L"\\tester", data + L"\\tester\\files"};
  for (size_t at = 0; (at = libraryFolder.find(L'\\', at + 1)) != std::wstring::npos;)
    folders.push_back(data + libraryFolder.substr(0, at));
  folders.push_back(data + libraryFolder);
  for (const std::wstring& folder : folders) CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring dll = data + libraryFolder + L"\\PelmoraStd108.dll";
  const std::wstring debug = data + L"\\tester\\files\\debug.txt";
  const std::wstring other = data + L"\\tester\\files\\keep.txt";
  EXPECT_TRUE(CopyFileW(BridgePath().c_str(), dll.c_str(), FALSE));
  for (const std::wstring& path : {debug, other}) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
  }
  {
    BridgeLibrary lib;
    EXPECT_TRUE(lib.Load(dll)) << lib.missing;
  }
  const bool survived = Exists(debug);
  EXPECT_TRUE(Exists(other));
  {
    BridgeLibrary lib;  // and without one, nothing happens
    EXPECT_TRUE(lib.Load(dll));
  }
  for (const std::wstring& path : {debug, other, dll}) DeleteFileW(path.c_str());
  for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder)
    RemoveDirectoryW(folder->c_str());
  EXPECT_FALSE(Exists(data));
  return survived;
}

TEST(BridgeEntry, DeletesTheTestersDebugFileOfItsInstallation) {
  EXPECT_FALSE(DebugFileSurvivesLoadFrom(L"\\MQL4\\Libraries"));
  EXPECT_FALSE(DebugFileSurvivesLoadFrom(L"\\mql4\\LIBRARIES"));
}

TEST(BridgeEntry, LoadedOutsideAnInstallationItDeletesNothing) {
  // Two levels down as in an installation, but not MQL4\Libraries.
  EXPECT_TRUE(DebugFileSurvivesLoadFrom(L"\\experts\\bin"));
  EXPECT_TRUE(DebugFileSurvivesLoadFrom(L"\\MQL5\\Libraries"));
  EXPECT_TRUE(DebugFileSurvivesLoadFrom(L"\\MQL4\\Include"));
}

TEST_F(BridgeTest, MapsThatCannotBeOpenedLeaveTheExportsHarmless) {
  // Objects of another kind under the maps' names make every map fail to open.
  HANDLE squatters[4];
  const char* names[] = {kCommandMapName, kPriceMapName, kInfoMapName, kSettingMapName};
  for (int i = 0; i < 4; ++i) {
    squatters[i] = CreateMutexA(nullptr, FALSE, names[i]);
    ASSERT_NE(squatters[i], nullptr);
  }
  LoadBridge();
  EXPECT_STREQ(lib.Read_Command(), L"");
  EXPECT_STREQ(lib.ReadSetting(), L"");
  EXPECT_TRUE(lib.Clear_Command());
  EXPECT_TRUE(lib.SetPrice(1.5));
  EXPECT_TRUE(lib.SetInfo(L"PelmorarInfo\r\nHitCount=1\r\n"));
  lib.Unload();
  for (HANDLE h : squatters) CloseHandle(h);
}

}  // namespace
