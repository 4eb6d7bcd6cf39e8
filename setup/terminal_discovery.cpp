#include "setup/terminal_discovery.h"

#include <vector>

#include "common/file_names.h"
#include "common/text.h"
#include "common/win/codepage.h"
#include "common/win/text_file.h"
#include "setup/Setup1.h"
#include "setup/core/origin_text.h"
#include "setup/folder_entries.h"
#include "ui/app.h"

namespace {

constexpr DWORD kFirstIdCount = 512;
constexpr char kOriginFileName[] = "origin.txt";
// The marker names one folder. A file far larger is not a terminal's, and reading it whole
// could take all the memory a 32-bit program has.
constexpr uint32_t kLargestOrigin = 1u << 20;

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchTerminalWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || GetWindow(window, GW_OWNER) || !IsWindowVisible(window))
    return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

HWND FindTerminalWindow(DWORD processId) {
  WindowSearch search{processId, nullptr};
  EnumWindows(MatchTerminalWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

uint32_t FileSizeOf(const std::string& path) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(SjisToWide(path).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  FindClose(search);
  return found.nFileSizeLow;
}

std::optional<std::vector<DWORD>> RunningProcessIds(const EnumProcessesCall& enumProcesses) {
  std::vector<DWORD> ids(kFirstIdCount);
  for (;;) {
    const auto bytes = static_cast<DWORD>(ids.size() * sizeof(DWORD));
    DWORD filled = 0;
    if (!enumProcesses(ids.data(), bytes, &filled)) return std::nullopt;
    if (filled < bytes) {
      ids.resize(filled / sizeof(DWORD));
      return ids;
    }
    ids.resize(ids.size() * 2);
  }
}

int TForm1::ScanTerminalProcesses() {
  if (!enumProcesses_ || !enumProcessModules_ || !getModuleFileNameEx_) return -1;
  const std::optional<std::vector<DWORD>> ids = RunningProcessIds(enumProcesses_);
  if (!ids) return -1;

  ReleaseTerminalProcess();
  int count = 0;
  std::vector<wchar_t> path(32768);
  for (const DWORD id : *ids) {
    HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE, FALSE, id);
    if (!process) continue;
    HMODULE modules[512] = {};
    DWORD needed = 0;
    std::wstring wide;
    if (enumProcessModules_(process, modules, sizeof modules, &needed)) {
      const DWORD n =
          getModuleFileNameEx_(process, modules[0], path.data(), static_cast<DWORD>(path.size()));
      wide.assign(path.data(), n);
    }
    const std::string modulePath = WideToSjis(wide);
    // The program file's name, byte for byte: "Terminal.exe" is not the terminal.
    if (common::RightText(12, modulePath) != common::kTerminalFileName) {
      CloseHandle(process);
      continue;
    }
    TerminalWindow = FindTerminalWindow(id);
    // A path with a character that Shift-JIS lacks reads with "?" in its place and names no
    // file: the terminal counts, but no data folder is matched to it, so the run stops before
    // it closes a terminal it could not start again.
    const bool reachable = WideToSjisExact(wide).has_value();
    TerminalInstallFolder =
        reachable ? modulePath.substr(0, common::LastBackslash(modulePath)) : std::string();
    TerminalExePath =
        reachable ? TerminalInstallFolder + "\\" + common::kTerminalFileName : std::string();
    ++count;
    // The last match is the one the run works with; its handle waits for the close.
    ReleaseTerminalProcess();
    terminalProcess_ = process;
  }
  return count;
}

void TForm1::FindDataFolder(std::string folder) {
  std::vector<std::string> subfolders;
  for (const FolderEntry& entry : EnterWalkFolder(folder)) {
    if (WalkFound) break;
    if (entry.isFolder) {
      subfolders.push_back(entry.name);
    } else if (entry.name == kOriginFileName &&
               FileSizeOf(folder + "\\" + entry.name) <= kLargestOrigin &&
               setup::OriginNamesFolder(ReadUnicodeText(folder + "\\" + entry.name),
                                        TerminalInstallFolder)) {
      TerminalDataFolder = folder + "\\";
      WalkFound = true;
    }
  }
  if (WalkDepth <= 1)
    for (const std::string& sub : subfolders) {
      if (WalkFound) break;
      FindDataFolder(folder + "\\" + sub);
    }
  --WalkDepth;
}

std::string TForm1::ReadUnicodeText(const std::string& path) {
  if (FileSizeOf(path) == 0) return "0";
  Memo2.SetText("");
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    ReportFileError();
    return {};
  }
  const std::u16string units = setup::OriginCodeUnits(bytes);
  std::string text = WideToSjis(std::wstring(units.begin(), units.end()));
  Memo2.SetText("");
  return text;
}
