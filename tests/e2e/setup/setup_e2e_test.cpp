// The set-up as a trader runs it: the terminal stand-in is running, SetupQuorvex.exe lies beside
// the expert's files, START is pressed and every message box is answered by clicking its
// button. Afterwards the files are in the stand-in's data folder, the stand-in was closed and
// started again, and the report and the list say what was done.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <shlobj.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "common/win/codepage.h"
#include "tests/e2e/programs.h"
#include "tests/windows/config/test_files.h"

namespace {

const std::wstring kSetupTitle = L"Seup QuorvexStd";

void Copy(const std::wstring& from, const std::wstring& to) {
  ASSERT_TRUE(CopyFileW(from.c_str(), to.c_str(), FALSE)) << to.size();
}

void Write(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::wstring Utf16Text(const std::string& bytes) {
  size_t start = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE' ? 2 : 0;
  std::wstring text;
  for (size_t i = start; i + 1 < bytes.size(); i += 2)
    text.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                        (static_cast<unsigned char>(bytes[i + 1]) << 8)));
  return text;
}

// The data folder whose origin.txt names the install folder; empty when none does yet.
std::wstring DataFolderOf(const std::wstring& installFolder) {
  wchar_t appData[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  const std::wstring root = std::wstring(appData) + L"\\MetaQuotes\\Terminal\\";
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW((root + L"*").c_str(), &found);
  std::wstring match;
  if (h == INVALID_HANDLE_VALUE) return match;
  do {
    const std::wstring folder = root + found.cFileName;
    if (Utf16Text(e2e::ReadBytes(folder + L"\\origin.txt")) == installFolder) match = folder;
  } while (match.empty() && FindNextFileW(h, &found));
  FindClose(h);
  return match;
}

// The ids of the running processes whose program file is terminal.exe.
std::vector<DWORD> TerminalProcesses() {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    if (lstrcmpiW(entry.szExeFile, L"terminal.exe") == 0) ids.push_back(entry.th32ProcessID);
  CloseHandle(snapshot);
  return ids;
}

// Answers every message box of the process until it ends: Yes to each question, OK to the rest.
std::vector<e2e::BoxTexts> AnswerUntilExit(const e2e::Program& program, DWORD ms) {
  std::vector<e2e::BoxTexts> answered;
  const ULONGLONG end = GetTickCount64() + ms;
  while (program.WaitExit(100) == 999 && GetTickCount64() < end) {
    HWND dialog = e2e::FindMessageBox(program.Id());
    if (!dialog) continue;
    answered.push_back(e2e::MessageBoxTexts(dialog));
    // The next box may come at once: this one must be gone before it is looked for.
    e2e::AnswerMessageBox(dialog, GetDlgItem(dialog, IDYES) ? IDYES : IDOK, 5000);
  }
  return answered;
}

// The window whose title names the report (Notepad showing it).
BOOL CALLBACK MatchReportWindow(HWND window, LPARAM param) {
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  if (std::wstring(title).find(L"セットアップしたファイル") == std::wstring::npos) return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

HWND FindReportWindow() {
  HWND found = nullptr;
  EnumWindows(MatchReportWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

class SetupEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    install_ = SjisToWide(scratch_.Folder("mt4"));
    package_ = SjisToWide(scratch_.Folder("pkg")) + L"\\";
  }
  void TearDown() override {
    const std::wstring data = DataFolderOf(install_);
    if (!data.empty()) ScratchFolder::RemoveTree(data);
  }

  ScratchFolder scratch_{"qxsetupe2e"};
  std::wstring install_;
  std::wstring package_;
};

TEST_F(SetupEndToEnd, InstallsIntoTheRunningTerminalAndStartsItAgain) {
  const std::wstring here = e2e::TestFolder();
  Copy(here + L"terminal.exe", install_ + L"\\terminal.exe");
  Copy(here + L"PelmoraStd108.dll", install_ + L"\\PelmoraStd108.dll");
  Copy(here + L"SetupQuorvex.exe", package_ + L"SetupQuorvex.exe");
  Copy(here + L"PelmoraStd108.dll", package_ + L"PelmoraStd108.dll");
  Write(package_ + L"PelmorarStd.ex4", "compiled expert");
  Write(package_ + L"PelmorarLib.mqh", "include file");
  Write(package_ + L"period_converter_600all.mq4", "script");
  Write(package_ + L"FxQuorvex.ini", "ReadMe=1\r\nMT4Path=C:\\Other\\terminal.exe\r\n");

  auto terminal = std::make_unique<e2e::Program>(install_ + L"\\terminal.exe", install_);
  ASSERT_TRUE(terminal->Started());
  ASSERT_TRUE(
      e2e::WaitFor([&] { return e2e::FindProcessWindow(terminal->Id(), L"MetaTrader 4"); }));
  // Its data folder, made at its first start.
  std::wstring data;
  ASSERT_TRUE(e2e::WaitFor([&] { return !(data = DataFolderOf(install_)).empty(); }));
  EXPECT_EQ(GetFileAttributesW((data + L"\\MQL4\\Include").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));

  e2e::Program setup(package_ + L"SetupQuorvex.exe", package_);
  ASSERT_TRUE(setup.Started());
  HWND window = nullptr;
  ASSERT_TRUE(
      e2e::WaitFor([&] { return (window = e2e::FindProcessWindow(setup.Id(), kSetupTitle)); }));
  {
    // A second start from the same file ends at once; a copy elsewhere runs alongside.
    e2e::Program second(package_ + L"SetupQuorvex.exe", package_);
    EXPECT_EQ(second.WaitExit(15000), 1u);
    const std::wstring other = SjisToWide(scratch_.Folder("other")) + L"\\SetupQuorvex.exe";
    Copy(package_ + L"SetupQuorvex.exe", other);
    e2e::Program copy(other, package_);
    HWND copyWindow = nullptr;
    EXPECT_TRUE(e2e::WaitFor(
        [&] { return (copyWindow = e2e::FindProcessWindow(copy.Id(), kSetupTitle)); }));
    if (copyWindow) PostMessageW(copyWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(copy.WaitExit(15000), 0u);
  }

  HWND start = e2e::FindChild(window, L"Button", L"START");
  ASSERT_NE(start, nullptr);
  PostMessageW(start, BM_CLICK, 0, 0);
  const std::vector<e2e::BoxTexts> answered = AnswerUntilExit(setup, 60000);
  EXPECT_EQ(setup.WaitExit(5000), 0u);
  std::vector<std::wstring> captions;
  captions.reserve(answered.size());
  for (const e2e::BoxTexts& a : answered) captions.push_back(a.caption);
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"準備ＯＫ？", L"メタトレーダー４再起動？",
                                                 L"QuorvexProの設定ファイル",
                                                 L"セットアップ終了しますか？"}));

  // The stand-in was closed and another one started from its program file.
  EXPECT_EQ(terminal->WaitExit(5000), 0u);
  const DWORD old = terminal->Id();
  DWORD restarted = 0;
  EXPECT_TRUE(e2e::WaitFor([&] {
    for (const DWORD id : TerminalProcesses())
      if (id != old) restarted = id;
    return restarted != 0;
  }));
  HWND again = nullptr;
  EXPECT_TRUE(
      e2e::WaitFor([&] { return (again = e2e::FindProcessWindow(restarted, L"MetaTrader 4")); }));
  if (again) PostMessageW(again, WM_CLOSE, 0, 0);

  EXPECT_EQ(e2e::ReadBytes(data + L"\\MQL4\\Experts\\PelmorarStd.ex4"), "compiled expert");
  EXPECT_EQ(e2e::ReadBytes(data + L"\\MQL4\\Include\\PelmorarLib.mqh"), "include file");
  EXPECT_EQ(e2e::ReadBytes(data + L"\\MQL4\\Libraries\\PelmoraStd108.dll"),
            e2e::ReadBytes(here + L"PelmoraStd108.dll"));
  EXPECT_EQ(GetFileAttributesW((data + L"\\MQL4\\Experts\\period_converter_600all.mq4").c_str()),
            INVALID_FILE_ATTRIBUTES);

  const std::string report = e2e::ReadBytes(package_ + L"セットアップしたファイル.txt");
  for (const char* name : {"PelmorarStd.ex4\r\n", "PelmorarLib.mqh\r\n", "PelmoraStd108.dll\r\n"})
    EXPECT_NE(report.find(name), std::string::npos) << name;
  EXPECT_NE(report.find("以上のファイルがセットアップされコピーされした！"), std::string::npos);
  const std::string list = e2e::ReadBytes(package_ + L"SetupQuorvex.csv");
  for (const char* line :
       {"PelmorarStd.ex4,Experts\r\n", "PelmorarLib.mqh,Include\r\n",
        "PelmoraStd108.dll,Libraries\r\n", "period_converter_600all.mq4,Scripts\r\n"})
    EXPECT_NE(list.find(line), std::string::npos) << line;
  const std::string proIni = e2e::ReadBytes(package_ + L"TradeQuorvexPro.ini");
  EXPECT_NE(proIni.find("\r\nMT4Path="), std::string::npos);
  EXPECT_NE(proIni.find("terminal.exe\r\ncmbSetName="), std::string::npos);

  // Notepad shows the report.
  HWND notepad = nullptr;
  EXPECT_TRUE(e2e::WaitFor([&] { return (notepad = FindReportWindow()) != nullptr; }));
  if (notepad) PostMessageW(notepad, WM_CLOSE, 0, 0);
  // The restarted stand-in goes before its folder is removed.
  for (const DWORD id : TerminalProcesses()) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (!process) continue;
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
  }
}

}  // namespace
