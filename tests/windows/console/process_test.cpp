// The console program as a process: one instance per program file, and the marker page that
// ends a running console.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/win/codepage.h"
#include "common/win/text_file.h"
#include "console/startup_files.h"
#include "tests/e2e/programs.h"
#include "tests/windows/config/test_files.h"

namespace {

// The program as built; under Wine the Unix path is reached through drive Z:.
std::wstring BuiltProgram() {
  std::wstring path = L"Z:" + SjisToWide(CONSOLE_EXE);
  for (wchar_t& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

// Exit code, or STILL_ACTIVE when the process did not end in time.
DWORD WaitExit(HANDLE process, DWORD ms) {
  WaitForSingleObject(process, ms);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process, &code);
  return code;
}

class RunningConsole {
 public:
  explicit RunningConsole(const std::wstring& folder)
      : program_(folder + L"TradeQuorvexStd.exe"), marker_(folder + L"TradeQuorvex.htm") {
    CopyFileW(BuiltProgram().c_str(), program_.c_str(), FALSE);
    // Only the page this console writes may count as its start.
    DeleteFileAt(WideToSjis(marker_));
    process_ = e2e::Launch(program_);
  }
  // Ends a console the test left running, and waits for it so that its folder can go.
  ~RunningConsole() {
    if (!process_) return;
    if (WaitExit(process_, 0) == STILL_ACTIVE) {
      TerminateProcess(process_, 9);
      WaitForSingleObject(process_, 10000);
    }
    CloseHandle(process_);
  }
  bool Started() {
    return process_ && e2e::WaitFor([this] { return FileExists(WideToSjis(marker_)); }, 30000);
  }
  // Removing the marker page is the console's own signal to close.
  DWORD Stop() {
    DeleteFileW(marker_.c_str());
    return WaitExit(process_, 10000);
  }
  const std::wstring& Program() const { return program_; }
  HANDLE Process() const { return process_; }

 private:
  std::wstring program_, marker_;
  HANDLE process_ = nullptr;
};

TEST(ConsoleProcess, SecondStartOfTheSameFileEndsWithCodeOne) {
  // Folders of their own, removed at the end: a marker page left by an earlier run must not
  // let a console seem started.
  const ScratchFolder firstFolder("qx_console_a"), otherFolder("qx_console_b");
  ASSERT_FALSE(firstFolder.path().empty() || otherFolder.path().empty());
  RunningConsole first(SjisToWide(firstFolder.path()));
  ASSERT_TRUE(first.Started());

  HANDLE second = e2e::Launch(first.Program());
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(WaitExit(second, 20000), 1u);
  CloseHandle(second);

  // A copy in another folder is another program file.
  RunningConsole other(SjisToWide(otherFolder.path()));
  ASSERT_TRUE(other.Started());
  EXPECT_EQ(WaitExit(other.Process(), 500), static_cast<DWORD>(STILL_ACTIVE));
  EXPECT_EQ(WaitExit(first.Process(), 0), static_cast<DWORD>(STILL_ACTIVE));

  EXPECT_EQ(other.Stop(), 0u);
  EXPECT_EQ(first.Stop(), 0u);
}

TEST(ConsoleProcess, FolderWithoutAShiftJisFormIsNamedAndTheConsoleEnds) {
  const ScratchFolder scratch("qx_console_c");
  ASSERT_FALSE(scratch.path().empty());
  // "¥" has no Shift-JIS form: best fit would have made it a backslash, another folder.
  const std::wstring folder = SjisToWide(scratch.path()) + L"MT4\u00A5Tools\\";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  RunningConsole console(folder);
  ASSERT_NE(console.Process(), nullptr);
  const e2e::BoxWait box = e2e::WaitForMessageBox(GetProcessId(console.Process()),
                                                  SjisToWide(kFolderNotShiftJisText), 30000);
  ASSERT_NE(box.box, nullptr) << box.seen;
  EXPECT_TRUE(e2e::AnswerMessageBox(box.box, IDOK));
  EXPECT_EQ(WaitExit(console.Process(), 10000), 1u);
  EXPECT_FALSE(FileExists(WideToSjis(folder + L"TradeQuorvex.htm")));
}

}  // namespace
