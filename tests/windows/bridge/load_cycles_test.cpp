// A terminal loads and unloads the library each time the expert is attached to a chart or
// recompiled, for as long as it runs: the library must give back every per-thread resource
// it took, or the process runs out of thread-local slots and dies.
#include <windows.h>
// after windows.h
#include <gtest/gtest.h>
#include <psapi.h>

#include <string>
#include <vector>

#include "tests/windows/bridge/bridge_fixture.h"

namespace {

struct Cycle {
  BridgeLibrary::Text readCommand = nullptr;
  HANDLE read = nullptr;      // set once the outliving thread has read
  HANDLE unloaded = nullptr;  // set once the library is gone
  bool sawCommand = false;
};

// Reads the command and ends while the library is still loaded.
DWORD WINAPI ReadAndEnd(void* param) {
  auto* cycle = static_cast<Cycle*>(param);
  cycle->sawCommand = std::wstring(cycle->readCommand()) == L"Buy_1.0";
  return 0;
}

// Reads the command and outlives the library.
DWORD WINAPI ReadAndOutlive(void* param) {
  auto* cycle = static_cast<Cycle*>(param);
  const bool saw = std::wstring(cycle->readCommand()) == L"Buy_1.0";
  SetEvent(cycle->read);
  WaitForSingleObject(cycle->unloaded, INFINITE);
  return saw ? 0 : 1;
}

size_t CommittedBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

DWORD NextTlsIndex() {
  const DWORD index = TlsAlloc();
  if (index != TLS_OUT_OF_INDEXES) TlsFree(index);
  return index;
}

TEST_F(BridgeTest, ThousandsOfLoadsFromSeveralThreadsKeepTheProcessAlive) {
  OpenConsoleSide();
  command.WriteText("Buy_1.0");
  const DWORD firstFree = NextTlsIndex();
  ASSERT_NE(firstFree, TLS_OUT_OF_INDEXES);

  // The slots a process has number about 1088; each cycle used to lose one.
  constexpr int kCycles = 1200;
  int missed = 0;
  size_t committed = 0;
  for (int i = 0; i < kCycles; ++i) {
    if (i == 100) committed = CommittedBytes();
    LoadBridge();
    Cycle cycle;
    cycle.readCommand = lib.Read_Command;
    cycle.read = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    cycle.unloaded = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE ending = CreateThread(nullptr, 0, ReadAndEnd, &cycle, 0, nullptr);
    HANDLE outliving = CreateThread(nullptr, 0, ReadAndOutlive, &cycle, 0, nullptr);
    ASSERT_TRUE(ending && outliving && cycle.read && cycle.unloaded);
    WaitForSingleObject(ending, INFINITE);
    if (std::wstring(lib.Read_Command()) != L"Buy_1.0") ++missed;
    WaitForSingleObject(cycle.read, INFINITE);
    lib.Unload();
    SetEvent(cycle.unloaded);
    DWORD code = 1;
    WaitForSingleObject(outliving, INFINITE);
    GetExitCodeThread(outliving, &code);
    if (!cycle.sawCommand || code != 0) ++missed;
    CloseHandle(ending);
    CloseHandle(outliving);
    CloseHandle(cycle.read);
    CloseHandle(cycle.unloaded);
  }
  EXPECT_EQ(missed, 0);
  const DWORD lastFree = NextTlsIndex();
  ASSERT_NE(lastFree, TLS_OUT_OF_INDEXES);
  EXPECT_LT(lastFree, firstFree + 16);
  // Three text blocks of 8 KB a cycle, or the runtime's reserve, would show as megabytes.
  EXPECT_LT(CommittedBytes(), committed + 1024 * 1024) << committed;
}

TEST_F(BridgeTest, WithoutAFreeSlotTheTextsComeBackEmpty) {
  OpenConsoleSide();
  command.WriteText("Buy_1.0");
  setting.WriteText("Lot=0.1\r\n");
  std::vector<DWORD> taken;
  for (DWORD index; (index = TlsAlloc()) != TLS_OUT_OF_INDEXES;) taken.push_back(index);
  LoadBridge();
  const wchar_t* commandText = lib.Read_Command();
  const wchar_t* settingText = lib.ReadSetting();
  for (DWORD index : taken) TlsFree(index);
  ASSERT_NE(commandText, nullptr);
  ASSERT_NE(settingText, nullptr);
  EXPECT_STREQ(commandText, L"");
  EXPECT_STREQ(settingText, L"");
  lib.Unload();
  LoadBridge();  // and a later load, with slots again, reads them
  EXPECT_STREQ(lib.Read_Command(), L"Buy_1.0");
}

}  // namespace
