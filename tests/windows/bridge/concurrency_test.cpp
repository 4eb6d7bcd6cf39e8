// Eight terminal threads use the text exports at once while the console, in a process of its
// own, keeps writing commands and settings and reading the reports and prices back: no text
// is ever a mix of two, and the library's memory does not grow with the calls.
#include <windows.h>
// after windows.h
#include <psapi.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "common/win/codepage.h"
#include "tests/windows/bridge/bridge_fixture.h"
#include "tests/windows/bridge/channel_texts.h"

namespace {

using namespace channel_texts;

std::wstring PeerPath() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"qx_console_peer.exe";
}

// The process's committed private memory. PagefileUsage rather than PrivateUsage: Wine
// reports the latter as 0.
size_t CommittedBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return counters.PagefileUsage;
}

bool OneOf(const std::wstring& text, const std::string (&choices)[2]) {
  return text.empty() || text == SjisToWide(choices[0]) || text == SjisToWide(choices[1]);
}

TEST_F(BridgeTest, ThreadsAndTheConsoleNeverMixTexts) {
  const std::wstring tag = std::to_wstring(GetCurrentProcessId());
  const std::wstring readyName = L"qx_peer_ready_" + tag, stopName = L"qx_peer_stop_" + tag;
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, stopName.c_str());
  std::wstring cmd = L"\"" + PeerPath() + L"\" " + readyName + L" " + stopName;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION peer{};
  ASSERT_TRUE(CreateProcessW(PeerPath().c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &si, &peer));
  CloseHandle(peer.hThread);
  ASSERT_EQ(WaitForSingleObject(ready, 20000), WAIT_OBJECT_0);
  LoadBridge();

  const std::vector<std::wstring> reports = [] {
    std::vector<std::wstring> r;
    r.reserve(kThreads);
    for (int t = 0; t < kThreads; ++t) r.push_back(SjisToWide(Report(t)));
    return r;
  }();
  std::atomic<int> mixed{0}, overwritten{0};
  const auto play = [&](int t, int rounds) {
    for (int i = 0; i < rounds; ++i) {
      const wchar_t* command = lib.Read_Command();
      const std::wstring commandCopy = command;
      if (!OneOf(commandCopy, kCommands)) ++mixed;
      if (!OneOf(lib.ReadSetting(), kSettings)) ++mixed;
      lib.SetInfo(reports[t].c_str());
      lib.SetPrice(Price(t));
      if (commandCopy != command) ++overwritten;  // another thread's call changed our text
    }
  };
  std::vector<std::thread> threads;
  threads.reserve(kThreads);
  for (int t = 0; t < kThreads; ++t) threads.emplace_back(play, t, 600);
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(mixed, 0);
  EXPECT_EQ(overwritten, 0);

  // 100 000 calls more on one thread, after the first ones made their buffers.
  play(0, 200);
  const size_t before = CommittedBytes();
  play(0, 25000);
  const size_t after = CommittedBytes();
  EXPECT_LT(after, before + 256 * 1024) << before << " -> " << after;
  EXPECT_EQ(mixed, 0);

  SetEvent(stop);
  DWORD code = 999;
  ASSERT_EQ(WaitForSingleObject(peer.hProcess, 20000), WAIT_OBJECT_0);
  GetExitCodeProcess(peer.hProcess, &code);
  EXPECT_EQ(code, 0u) << "the console read mixed reports or prices";
  CloseHandle(peer.hProcess);
  CloseHandle(ready);
  CloseHandle(stop);
}

}  // namespace
