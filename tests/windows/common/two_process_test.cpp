// Behaviour that needs a second process: the maps shared between processes, the map lock
// across processes, and the single-instance rule of a program file.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "common/channel_names.h"
#include "common/win/codepage.h"
#include "common/win/shared_text_map.h"

using namespace common;

namespace {

std::wstring PeerPath() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"qx_common_peer.exe";
}

struct Process {
  HANDLE handle = nullptr;
  explicit Process(const std::wstring& exe, const std::wstring& args) {
    std::wstring cmd = L"\"" + exe + L"\" " + args;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                       &pi)) {
      CloseHandle(pi.hThread);
      handle = pi.hProcess;
    }
  }
  ~Process() {
    if (handle) CloseHandle(handle);
  }
  DWORD Wait(DWORD ms = 20000) const {
    DWORD code = 999;
    if (handle && WaitForSingleObject(handle, ms) == WAIT_OBJECT_0)
      GetExitCodeProcess(handle, &code);
    return code;
  }
};

std::wstring Unique(const wchar_t* base) {
  return std::wstring(base) + L"_" + std::to_wstring(GetCurrentProcessId());
}

struct Event {
  std::wstring name;
  HANDLE handle;
  explicit Event(const wchar_t* base)
      : name(Unique(base)), handle(CreateEventW(nullptr, TRUE, FALSE, name.c_str())) {}
  ~Event() { CloseHandle(handle); }
  bool WaitSet() const { return WaitForSingleObject(handle, 20000) == WAIT_OBJECT_0; }
};

TEST(TwoProcesses, ConsoleFirstThenBridgeSeesWholeTexts) {
  const std::wstring name = SjisToWide(kCommandMapName) + Unique(L"_a");
  SharedTextMap console;
  ASSERT_TRUE(console.Open(WideToSjis(name), kConsoleMapSize, kConsoleMapSize));
  ASSERT_TRUE(console.Created());
  console.WriteText("BuyLimit_1.0=1.23450#5$-10");
  EXPECT_EQ(Process(PeerPath(), L"expect " + name + L" BuyLimit_1.0=1.23450#5$-10").Wait(), 0u);
  console.WriteText("Buy_1.0");  // no remnant of the longer command
  EXPECT_EQ(Process(PeerPath(), L"expect " + name + L" Buy_1.0").Wait(), 0u);
  EXPECT_EQ(Process(PeerPath(), L"write " + name + L" 1.23456001").Wait(), 0u);
  EXPECT_EQ(ReadPriceText(console), "1.23456");
  EXPECT_EQ(console.ReadText(kConsoleTextMax), "1.23456001");
}

TEST(TwoProcesses, MapCreatedByTheOtherSideKeepsItsText) {
  const std::wstring name = SjisToWide(kInfoMapName) + Unique(L"_b");
  Event ready(L"qx_ready_b"), release(L"qx_release_b");
  Process peer(PeerPath(), L"serve " + name + L" PelmorarInfo " + ready.name + L" " + release.name);
  ASSERT_TRUE(ready.WaitSet());
  SharedTextMap console;
  ASSERT_TRUE(console.Open(WideToSjis(name), kConsoleMapSize, kConsoleMapSize));
  EXPECT_FALSE(console.Created());
  EXPECT_EQ(console.ReadText(kConsoleTextMax), "PelmorarInfo");
  SetEvent(release.handle);
  EXPECT_EQ(peer.Wait(), 0u);
}

TEST(TwoProcesses, LockHeldByAnotherProcessBlocksTheCopyUntilReleased) {
  const std::wstring name = SjisToWide(kPriceMapName) + Unique(L"_c");
  SharedTextMap console;
  ASSERT_TRUE(console.Open(WideToSjis(name), kConsoleMapSize, kConsoleMapSize));
  Event ready(L"qx_ready_c"), release(L"qx_release_c");
  Process peer(PeerPath(), L"hold " + name + L" " + ready.name + L" " + release.name);
  ASSERT_TRUE(ready.WaitSet());
  std::atomic<bool> written{false};
  std::thread writer([&] {
    console.WriteText("150.250");
    written = true;
  });
  Sleep(300);
  EXPECT_FALSE(written) << "the copy went ahead while the other process held the lock";
  SetEvent(release.handle);
  writer.join();
  EXPECT_TRUE(written);
  EXPECT_EQ(ReadPriceText(console), "150.250");
  EXPECT_EQ(peer.Wait(), 0u);
}

TEST(TwoProcesses, SecondStartOfTheSameFileEndsWithOneCopyElsewhereRuns) {
  Event ready(L"qx_ready_d"), release(L"qx_release_d");
  Event readyCopy(L"qx_ready_e"), releaseCopy(L"qx_release_e");
  const std::wstring args = L"claim " + ready.name + L" " + release.name;
  Process first(PeerPath(), args);
  ASSERT_TRUE(ready.WaitSet());
  EXPECT_EQ(Process(PeerPath(), args).Wait(), 1u);

  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"qx別フォルダ" + Unique(L"");
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring copy = folder + L"\\qx_common_peer.exe";
  ASSERT_TRUE(CopyFileW(PeerPath().c_str(), copy.c_str(), FALSE));
  Process other(copy, L"claim " + readyCopy.name + L" " + releaseCopy.name);
  EXPECT_TRUE(readyCopy.WaitSet());
  SetEvent(releaseCopy.handle);
  EXPECT_EQ(other.Wait(), 0u);
  SetEvent(release.handle);
  EXPECT_EQ(first.Wait(), 0u);
  DeleteFileW(copy.c_str());
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
