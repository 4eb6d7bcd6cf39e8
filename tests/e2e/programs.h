// Helpers of the end-to-end tests: programs started beside the test program, their windows and
// message boxes, and waiting for a condition with a time limit.
#pragma once

#include <windows.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace e2e {

inline std::wstring TestFolder() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

// Wine's HTTP client takes its proxy from http_proxy, and nothing can listen on port 0: with
// this proxy every web request of a program the tests start is refused at once, without a
// name lookup. The console checks its web server on its window thread a few seconds after it
// starts; a lost answer of the machine's name server would freeze its windows for 5 to 20
// seconds in the middle of a test.
inline constexpr wchar_t kRefusingProxy[] = L"http://127.0.0.1:0";

// Starts the program in the folder (the test's own when empty) without waiting, cut off from
// the web: its process handle, or nullptr.
inline HANDLE Launch(const std::wstring& path, const std::wstring& folder = {}) {
  std::wstring cmd = L"\"" + path + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  // The program inherits the proxy; the test itself keeps what it had.
  const DWORD length = GetEnvironmentVariableW(L"http_proxy", nullptr, 0);
  std::wstring saved(length, L'\0');
  GetEnvironmentVariableW(L"http_proxy", saved.data(), length);
  SetEnvironmentVariableW(L"http_proxy", kRefusingProxy);
  const BOOL started = CreateProcessW(path.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      folder.empty() ? nullptr : folder.c_str(), &si, &pi);
  SetEnvironmentVariableW(L"http_proxy", length ? saved.c_str() : nullptr);
  if (!started) return nullptr;
  CloseHandle(pi.hThread);
  return pi.hProcess;
}

// A program started without waiting; ended by the test (WM_CLOSE) or, failing that, killed
// when the test is over.
class Program {
 public:
  explicit Program(const std::wstring& path, const std::wstring& folder)
      : process_(Launch(path, folder)), id_(process_ ? GetProcessId(process_) : 0) {}
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

// Waits until the window's thread has finished what it was doing when asked: a message sent
// to it is handled only once the thread looks for messages again. False when it did not answer
// within ms.
inline bool Settle(HWND window, DWORD ms = 15000) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, ms, &result) != 0;
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

// A window's text as the system keeps it, read without a message to the window's thread, so
// that a program busy elsewhere cannot make it look empty: a top-level window's caption, a
// static control's text (not an edit's, which the control keeps itself).
inline std::wstring KeptText(HWND window) {
  wchar_t text[512] = {};
  InternalGetWindowText(window, text, 512);
  return text;
}

struct MessageBoxSearch {
  DWORD processId;
  std::vector<HWND> found;
};

inline BOOL CALLBACK MatchMessageBox(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<MessageBoxSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (owner == search->processId && IsWindowVisible(window) && lstrcmpW(name, L"#32770") == 0)
    search->found.push_back(window);
  return TRUE;
}

// The dialog boxes (message boxes) the process shows, the topmost first.
inline std::vector<HWND> MessageBoxes(DWORD processId) {
  MessageBoxSearch search{processId, {}};
  EnumWindows(MatchMessageBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A dialog box of the process (a message box); nullptr when none is shown.
inline HWND FindMessageBox(DWORD processId) {
  const std::vector<HWND> boxes = MessageBoxes(processId);
  return boxes.empty() ? nullptr : boxes.front();
}

struct StaticTextSearch {
  std::wstring text;
};

inline BOOL CALLBACK MatchStaticText(HWND window, LPARAM param) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (lstrcmpiW(name, L"Static") != 0) return TRUE;
  auto* search = reinterpret_cast<StaticTextSearch*>(param);
  search->text = KeptText(window);
  return search->text.empty();  // the icon is a static control without text
}

// What a message box shows: its caption and its message.
struct BoxTexts {
  std::wstring caption;
  std::wstring message;
};

inline BoxTexts MessageBoxTexts(HWND box) {
  StaticTextSearch search;
  EnumChildWindows(box, MatchStaticText, reinterpret_cast<LPARAM>(&search));
  return {KeptText(box), search.text};
}

// Waits for a message box of the process that shows the message. A box that shows something
// else is not taken for it: when none showed the message in time, `seen` says what the boxes of
// the process showed meanwhile ("[caption] message", a line each), for the failure message.
struct BoxWait {
  HWND box = nullptr;
  std::wstring seen;
};

inline BoxWait WaitForMessageBox(DWORD processId, const std::wstring& message, DWORD ms = 15000) {
  BoxWait wait;
  std::wstring last;
  WaitFor(
      [&] {
        std::wstring now;
        for (HWND box : MessageBoxes(processId)) {
          const BoxTexts texts = MessageBoxTexts(box);
          if (texts.message == message) {
            wait.box = box;
            return true;
          }
          now += L"[" + texts.caption + L"] " + texts.message + L"\n";
        }
        if (!now.empty() && now != last) wait.seen += now;
        last = now;
        return false;
      },
      ms);
  if (!wait.box && wait.seen.empty()) wait.seen = L"no message box";
  return wait;
}

// Clicks the box's button (IDOK, IDYES...) and waits until the box is gone. A box without a
// button of that id gets the command the button would send.
inline bool AnswerMessageBox(HWND box, int button, DWORD ms = 15000) {
  if (HWND control = GetDlgItem(box, button))
    PostMessageW(control, BM_CLICK, 0, 0);
  else
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
  return WaitFor([box] { return !IsWindow(box); }, ms);
}

inline std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace e2e
