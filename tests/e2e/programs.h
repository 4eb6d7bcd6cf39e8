// Helpers of the end-to-end tests: programs started beside the test program, their windows,
// and waiting for a condition with a time limit.
#pragma once

#include <windows.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace e2e {

inline std::wstring TestFolder() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

// A program started without waiting; ended by the test (WM_CLOSE) or, failing that, killed
// when the test is over.
class Program {
 public:
  explicit Program(const std::wstring& path, const std::wstring& folder) {
    std::wstring cmd = L"\"" + path + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(path.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &si, &pi)) {
      CloseHandle(pi.hThread);
      process_ = pi.hProcess;
      id_ = pi.dwProcessId;
    }
  }
  ~Program() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
    CloseHandle(process_);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Id() const { return id_; }
  // The exit code, or 999 when the program is still running after ms.
  DWORD WaitExit(DWORD ms) const {
    DWORD code = 999;
    if (process_ && WaitForSingleObject(process_, ms) == WAIT_OBJECT_0)
      GetExitCodeProcess(process_, &code);
    return code;
  }

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// Polls every 50 ms until the condition holds or ms have passed.
inline bool WaitFor(const std::function<bool()>& condition, DWORD ms = 15000) {
  const ULONGLONG end = GetTickCount64() + ms;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() > end) return false;
    Sleep(50);
  }
}

struct WindowSearch {
  DWORD processId;
  const std::wstring* titlePart;
  HWND found;
};

inline BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  if (owner == search->processId && IsWindowVisible(window) &&
      std::wstring(title).find(*search->titlePart) != std::wstring::npos) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The visible top-level window of the process whose title contains the text.
inline HWND FindProcessWindow(DWORD processId, const std::wstring& titlePart) {
  WindowSearch search{processId, &titlePart, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A window's text, asked of its own thread (works across processes, also for edits); empty
// when the window does not answer within a second.
inline std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, 1000, &copied))
    return {};
  return text;
}

struct ChildSearch {
  const wchar_t* className;
  std::function<bool(const std::wstring&)> matches;
  HWND found;
};

inline BOOL CALLBACK MatchChild(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (lstrcmpiW(name, search->className) == 0 && search->matches(WindowText(window))) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The first child window of the class whose text passes the test.
inline HWND FindChild(HWND parent, const wchar_t* className,
                      std::function<bool(const std::wstring&)> matches) {
  ChildSearch search{className, std::move(matches), nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline HWND FindChild(HWND parent, const wchar_t* className, const std::wstring& text) {
  return FindChild(parent, className, [text](const std::wstring& t) { return t == text; });
}

struct MessageBoxSearch {
  DWORD processId;
  HWND found;
};

inline BOOL CALLBACK MatchMessageBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<MessageBoxSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (owner == search->processId && IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// A dialog box of the process (a message box); nullptr when none is shown.
inline HWND FindMessageBox(DWORD processId) {
  MessageBoxSearch search{processId, nullptr};
  EnumWindows(MatchMessageBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace e2e
