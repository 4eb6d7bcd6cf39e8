// The set-up program's window: one START button that installs the expert's files shipped
// beside the program into the running terminal's data folder, and the box that keeps the
// window above the others.
//
// The handlers live in files by subject:
//   Setup1.cpp               construction, FormCreate/FormPaint/FormClose/FormDestroy,
//                            chk_FrontMostClick, LoadPsapi
//   terminal_discovery.cpp   ScanTerminalProcesses, FindDataFolder, ReadUnicodeText
//   setup_file_list.cpp      CollectSetupFiles and the list file
//   install_run.cpp          cmdSTARTClick and its steps: close, copy, restart, report
//   setup_config_file.cpp    LoadIniKeys, SaveProIni and the configuration step
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "setup/core/setup_config.h"
#include "setup/core/setup_messages.h"
#include "setup/core/setup_report.h"
#include "setup/core/windows_version_gate.h"
#include "setup/folder_entries.h"
#include "ui/controls.h"
#include "ui/form.h"

class TForm1 : public ui::Form {
 public:
  TForm1();
  ~TForm1() override;

  std::string ExeFolder;      // ends in "\"
  std::string WindowsFolder;  // ends in "\"
  HMODULE PsapiModule = nullptr;
  bool PsapiLoaded = false;

  // ---- The terminal found by the run ----
  std::string TerminalInstallFolder;  // without a trailing backslash
  std::string TerminalExePath;
  HWND TerminalWindow = nullptr;
  std::string TerminalDataFolder;  // ends in "\"; empty while not found
  bool WalkFound = false;
  int WalkDepth = 0;
  std::string SetupFileList;

  // The values of "FxQuorvex.ini", kept from one run to the next.
  setup::SetupConfig Config;

  // ---- What the run takes from the machine (tests point them elsewhere) ----
  std::string AppDataFolder;    // the user's application-data folder, no trailing backslash
  std::string ProgramFileName;  // names the list file
  DWORD TerminalCloseLimitMs = 30000;
  std::function<std::optional<setup::WindowsVersion>()> ReadWindowsVersion;

  // ---- Window events ----
  void FormCreate();
  void FormPaint();
  void chk_FrontMostClick();
  void FormClose();
  void FormDestroy();
  bool LoadPsapi();

  // ---- Terminal discovery (terminal_discovery.cpp) ----
  // The number of running "terminal.exe" processes, -1 when the process list cannot be read.
  int ScanTerminalProcesses();
  void FindDataFolder(std::string folder);
  std::string ReadUnicodeText(const std::string& path);

  // ---- Expert file list (setup_file_list.cpp) ----
  void CollectSetupFiles(std::string folder);
  void WriteSetupFileList();

  // ---- Install run (install_run.cpp) ----
  void cmdSTARTClick();

  // ---- Configuration (setup_config_file.cpp) ----
  void LoadIniKeys();
  void SaveProIni();

  // ---- Controls ----
  ui::Label Label1;
  ui::Button cmdSTART;
  ui::CheckBox chk_FrontMost;
  ui::Edit Memo2;

 private:
  // The message boxes of the run: owned by the window, top-most and system-modal.
  int Ask(const setup::SetupMessage& message, UINT buttons);
  // Shows the message and gives false: the run stops there.
  bool Stop(const setup::SetupMessage& message);
  // Every step of the run; true when the trader chose to end the set-up at the end.
  bool InstallRun();
  // Asks the terminal to close and waits for its process to end.
  bool CloseTerminal();
  setup::SetupReport CopySetupFiles();
  void ShowReport(const std::string& reportPath);
  void ConfigureTerminalPath();
  void ReleaseTerminalProcess();
  // One folder of a walk: one level deeper, one trailing backslash off the folder, the queued
  // messages through, and the folder's entries.
  std::vector<FolderEntry> EnterWalkFolder(std::string& folder);

  using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
  using EnumProcessModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
  using GetModuleFileNameExFn = DWORD(WINAPI*)(HANDLE, HMODULE, wchar_t*, DWORD);
  EnumProcessesFn enumProcesses_ = nullptr;
  EnumProcessModulesFn enumProcessModules_ = nullptr;
  GetModuleFileNameExFn getModuleFileNameEx_ = nullptr;
  // The terminal process of the last scan, kept to wait for its end.
  HANDLE terminalProcess_ = nullptr;
};

// The set-up window (the application's main form).
extern TForm1* Form1;
