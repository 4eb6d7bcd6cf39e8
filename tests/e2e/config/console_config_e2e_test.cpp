// The terminal link with the terminal stand-in (dropped folder, MT4起動, Shift+Ctrl close), and
// the console program carrying its configuration file from one run to the next.
#include <windows.h>
// after windows.h
#include <commctrl.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <memory>
#include <set>

#include "common/win/codepage.h"
#include "common/win/seams.h"
#include "common/win/text_file.h"
#include "console/convert.h"
#include "tests/e2e/programs.h"
#include "tests/windows/config/test_files.h"

namespace {

std::string TestFolder() {
  return WideToSjis(e2e::TestFolder());
}

void CopyBeside(const std::string& name, const std::string& folder) {
  CopyFileW(SjisToWide(TestFolder() + name).c_str(), SjisToWide(folder + "\\" + name).c_str(),
            FALSE);
}

HGLOBAL MakeDrop(const std::string& name) {
  const std::wstring list = SjisToWide(name) + L'\0' + L'\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(header + 1, list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

TEST(ConsoleWithTerminal, DroppedFolderIsStartedAndClosedAgain) {
  ScratchFolder scratch;
  const std::string mt4 = scratch.Folder("MetaTrader 4 端末");
  CopyBeside("terminal.exe", mt4);
  CopyBeside("PelmoraStd108.dll", mt4);

  std::set<int> keysDown;
  std::vector<std::string> messages;
  SeamOverride seams(Seams{
      .isKeyDown = [&](int key) { return keysDown.count(key) > 0; },
      .messageBox =
          [&](HWND, const std::string& text, const std::string&, UINT) {
            messages.push_back(text);
            return IDOK;
          },
      .sleep = nullptr,
      .startProgram = nullptr,  // the real start
  });
  ConsoleSession session;
  auto window = std::make_unique<Tconv>(session);
  conv = window.get();
  conv->tmrStart.SetEnabled(false);
  conv->ExeFolder = scratch.path();
  conv->ReadIni();

  SendMessageW(conv->Handle(), WM_DROPFILES,
               reinterpret_cast<WPARAM>(MakeDrop(scratch.Folder("MetaTrader 4 端末\\MQL4"))), 0);
  EXPECT_EQ(conv->Config.MT4Path, mt4 + "\\terminal.exe");
  EXPECT_NE(
      ReadTextFile(scratch.path() + "FxQuorvex.ini").find("MT4Path=" + mt4 + "\\terminal.exe"),
      std::string::npos);

  conv->cmdExecTerminal.Click();
  HWND terminal = nullptr;
  ASSERT_TRUE(e2e::WaitFor(
      [&] { return (terminal = FindWindowW(nullptr, L"MetaTrader 4 - stand-in")) != nullptr; }));
  DWORD processId = 0;
  GetWindowThreadProcessId(terminal, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  ASSERT_NE(process, nullptr);

  keysDown = {VK_SHIFT, VK_CONTROL};
  conv->cmdExecTerminal.Click();
  EXPECT_EQ(WaitForSingleObject(process, 15000), WAIT_OBJECT_0);
  CloseHandle(process);
  EXPECT_TRUE(messages.empty());
  conv = nullptr;
}

// The console program's slider, read from outside.
int SliderPosition(HWND mainWindow) {
  HWND slider = FindWindowExW(mainWindow, nullptr, TRACKBAR_CLASSW, nullptr);
  return slider ? static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0)) : -1;
}

TEST(ConsoleProgram, SecondRunFindsWhatTheFirstWrote) {
  ScratchFolder scratch;
  CopyBeside("TradeQuorvexStd.exe", scratch.path().substr(0, scratch.path().size() - 1));
  const std::string terminal = scratch.File("MT4\\terminal.exe");
  scratch.File("FxQuorvex.ini",
               "Unknown=dropped at the first write\r\nTrackBar1=70\r\n"
               "ReadMe=1\r\nMT4Path=" +
                   terminal +
                   "\r\nDataPath=D:\\data\r\n"
                   "Revision=0.9\r\ncmbSetName=守り\r\n");
  const std::string expected =
      "ReadMe=1\r\nRevision=0.9\r\nNewision=\r\nflgNotNews=\r\n"
      "TrackBar1=70\r\nMT4Path=" +
      terminal + "\r\nDataPath=D:\\data\r\ncmbSetName=守り\r\n";
  for (int run = 1; run <= 2; ++run) {
    e2e::Program console(SjisToWide(scratch.path() + "TradeQuorvexStd.exe"),
                         SjisToWide(scratch.path()));
    ASSERT_TRUE(console.Started());
    HWND main = nullptr;
    ASSERT_TRUE(e2e::WaitFor([&] {
      main = FindWindowW(nullptr, L"TradeQuorvex");
      return main != nullptr && IsWindowVisible(main);
    }));
    // The start timer has read the file once the slider stands where the file says.
    ASSERT_TRUE(e2e::WaitFor([&] { return SliderPosition(main) == 70; })) << "run " << run;
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(console.WaitExit(15000), 0u);
    EXPECT_EQ(ReadTextFile(scratch.path() + "FxQuorvex.ini"), expected) << "run " << run;
  }
}

}  // namespace
