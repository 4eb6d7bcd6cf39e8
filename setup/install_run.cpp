// START: the whole installation, step by step. Every stop tells the trader why (except a
// process list that cannot be read) and leaves START enabled for another try.
#include "common/file_names.h"
#include "common/text.h"
#include "common/win/seams.h"
#include "common/win/text_file.h"
#include "setup/Setup1.h"
#include "setup/core/setup_files.h"
#include "setup/file_copy.h"
#include "ui/app.h"

namespace {

constexpr char kTerminalsUnderAppData[] = "\\MetaQuotes\\Terminal\\";
constexpr char kNotepad[] = "NOTEPAD.EXE";
// A data folder path shorter than this cannot be one.
constexpr size_t kShortestDataFolder = 5;

// Waits for the process to end, letting the window's messages through meanwhile.
bool WaitForProcessEnd(HANDLE process, DWORD limitMs) {
  if (!process) return false;
  const ULONGLONG end = GetTickCount64() + limitMs;
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    const DWORD left = now >= end ? 0 : static_cast<DWORD>(end - now);
    const DWORD woke = MsgWaitForMultipleObjects(1, &process, FALSE, left, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke != WAIT_OBJECT_0 + 1) return false;  // the time is up (or the wait failed)
    ui::ProcessMessages();
  }
}

}  // namespace

void TForm1::cmdSTARTClick() {
  cmdSTART.SetEnabled(false);
  bool endSetup = false;
  try {
    endSetup = InstallRun();
  } catch (...) {
    // The message loop shows the exception; START must be there for the next try.
    ReleaseTerminalProcess();
    cmdSTART.SetEnabled(true);
    throw;
  }
  ReleaseTerminalProcess();
  if (endSetup) {
    Close();
    return;
  }
  cmdSTART.SetEnabled(true);
}

int TForm1::Ask(const setup::SetupMessage& message, UINT buttons) {
  return ShowMessageBox(Handle(), message.text, message.caption,
                        buttons | MB_TOPMOST | MB_SYSTEMMODAL);
}

bool TForm1::Stop(const setup::SetupMessage& message) {
  Ask(message, MB_OK);
  return false;
}

bool TForm1::InstallRun() {
  if (!PsapiLoaded) return Stop(setup::kNeedPsapi);
  const std::optional<setup::WindowsVersion> version = ReadWindowsVersion();
  if (!version) return Stop(setup::kVersionUnknown);
  const setup::VersionVerdict verdict = setup::CheckWindowsVersion(*version);
  if (!verdict.allowed) return Stop(setup::VersionRefused(verdict.name));
  if (Ask(setup::kReady, MB_YESNO) != IDYES) return false;

  const int terminals = ScanTerminalProcesses();
  if (terminals < 0) return false;
  if (terminals == 0) return Stop(setup::kNoTerminal);
  if (terminals > 1) return Stop(setup::kSeveralTerminals);

  TerminalDataFolder.clear();
  WalkFound = false;
  WalkDepth = 0;
  FindDataFolder(AppDataFolder + kTerminalsUnderAppData);
  if (TerminalDataFolder.size() < kShortestDataFolder) return Stop(setup::kNoDataFolder);

  SetupFileList.clear();
  WalkFound = false;
  WalkDepth = 0;
  CollectSetupFiles(ExeFolder);
  if (SetupFileList.empty()) return Stop(setup::kNothingToInstall);
  WriteSetupFileList();

  if (Ask(setup::kRestartTerminal, MB_YESNO) != IDYES) return Stop(setup::kStopped);
  if (!CloseTerminal()) return Stop(setup::kTerminalStillRunning);

  setup::SetupReport report = CopySetupFiles();
  // The terminal was closed by this run: one that does not run again is the trader's to start.
  if (!FileExists(TerminalExePath) || !StartProgram(TerminalExePath, ""))
    report.AddTerminalNotStarted(TerminalExePath);
  const std::string reportPath = ExeFolder + setup::kSetupReportFileName;
  // A report that could not be written is not opened: the file would still hold an earlier
  // run's report, which names files this run may not have copied. Its text comes in a box.
  if (WriteTextFile(report.Text(), reportPath))
    ShowReport(reportPath);
  else
    Ask(setup::ReportMessage(report.MessageText()), MB_OK);
  if (FileExists(ExeFolder + common::kIniFileName)) ConfigureTerminalPath();
  const setup::SetupMessage& closing =
      report.TerminalStarted() ? setup::kFinished : setup::kFinishedTerminalNotStarted;
  return Ask(closing, MB_YESNO) == IDYES;
}

bool TForm1::CloseTerminal() {
  if (TerminalWindow) {
    SetForegroundWindow(TerminalWindow);
    SetWindowPos(TerminalWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PostMessageW(TerminalWindow, WM_CLOSE, 0, 0);
  }
  ui::ProcessMessages();
  // Copying while the terminal still holds its libraries would fail, and starting it again
  // while the old one is ending would give two: wait for its process to be gone.
  return WaitForProcessEnd(terminalProcess_, TerminalCloseLimitMs);
}

setup::SetupReport TForm1::CopySetupFiles() {
  setup::SetupReport report;
  std::string list = SetupFileList;
  while (!list.empty()) {
    const std::string line = common::CutBefore("\r\n", list);
    if (line.empty()) continue;
    const setup::SetupListEntry entry = setup::SplitSetupListLine(line);
    const std::string targetFolder = setup::CopyTargetFolder(entry.category);
    if (targetFolder.empty()) continue;  // listed, not installed
    const std::string name = setup::FileNameOf(entry.source);
    // Folders are never created: a data folder without one is not the terminal's.
    if (!FileExists(entry.source) || !FolderExists(TerminalDataFolder + targetFolder)) {
      report.AddNotCopied(name);
      continue;
    }
    const std::string target = TerminalDataFolder + targetFolder + "\\" + name;
    if (FileExists(target) && Ask(setup::OverwriteQuestion(name), MB_YESNO) != IDYES) continue;
    if (CopyReplacing(entry.source, target))
      report.AddCopied(name);
    else
      report.AddNotCopied(name);
  }
  return report;
}

void TForm1::ShowReport(const std::string& reportPath) {
  WindowsFolder = common::WithTrailingBackslash(WindowsFolder);
  const std::string notepad = WindowsFolder + kNotepad;
  if (FileExists(notepad)) StartProgram(notepad, " " + reportPath);
  ui::ProcessMessages();
}

void TForm1::ReleaseTerminalProcess() {
  if (terminalProcess_) CloseHandle(terminalProcess_);
  terminalProcess_ = nullptr;
}
