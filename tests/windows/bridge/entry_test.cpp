// What the library does when it is attached: the installation's stale debug file, and maps
// that cannot be opened.
#include <gtest/gtest.h>

#include <string>

#include "tests/windows/bridge/bridge_fixture.h"

namespace {

std::wstring TempFolder(const wchar_t* name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  return std::wstring(temp) + name + std::to_wstring(GetCurrentProcessId());
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(BridgeEntry, DeletesTheTestersDebugFileOfItsInstallation) {
  // <data>\MQL4\Libraries\PelmoraStd108.dll and <data>\tester\files\debug.txt
  const std::wstring data = TempFolder(L"qx_data_");
  for (const wchar_t* sub : {L"", L"\\MQL4", L"\\MQL4\\Libraries", L"\\tester", L"\\tester\\files"})
    CreateDirectoryW((data + sub).c_str(), nullptr);
  const std::wstring dll = data + L"\\MQL4\\Libraries\\PelmoraStd108.dll";
  const std::wstring debug = data + L"\\tester\\files\\debug.txt";
  const std::wstring other = data + L"\\tester\\files\\keep.txt";
  ASSERT_TRUE(CopyFileW(BridgePath().c_str(), dll.c_str(), FALSE));
  for (const std::wstring& path : {debug, other}) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
  }
  {
    BridgeLibrary lib;
    ASSERT_TRUE(lib.Load(dll));
    EXPECT_FALSE(Exists(debug));
    EXPECT_TRUE(Exists(other));
  }
  {
    BridgeLibrary lib;  // and without one, nothing happens
    ASSERT_TRUE(lib.Load(dll));
  }
  DeleteFileW(other.c_str());
  DeleteFileW(dll.c_str());
  for (const wchar_t* sub : {L"\\tester\\files", L"\\tester", L"\\MQL4\\Libraries", L"\\MQL4", L""})
    RemoveDirectoryW((data + sub).c_str());
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
