#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include "common/win/seams.h"
#include "console/shell_shortcut.h"
#include "console/web_browser.h"
#include "console/window_titles.h"
#include "tests/windows/config/test_files.h"

namespace {

// Writes a shortcut the way the desktop does.
bool MakeShortcut(const std::string& linkPath, const std::string& target,
                  const std::wstring& arguments = L"") {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link))))
    return false;
  link->SetPath(SjisToWide(target).c_str());
  link->SetArguments(arguments.c_str());
  IPersistFile* file = nullptr;
  HRESULT hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(hr)) {
    hr = file->Save(SjisToWide(linkPath).c_str(), TRUE);
    file->Release();
  }
  link->Release();
  CoUninitialize();
  return SUCCEEDED(hr);
}

TEST(ReadShortcut, TargetArgumentsAndIconOfAShiftJisPath) {
  ScratchFolder scratch;
  const std::string target = scratch.File("表示\\ソフト\\terminal.exe");
  const std::string link = scratch.path() + "端末.LNK";
  ASSERT_TRUE(MakeShortcut(link, target, L"/portable"));

  std::string got, arguments, icon;
  int index = -1;
  EXPECT_TRUE(ReadShortcut(link, &got, &arguments, &icon, &index));
  EXPECT_EQ(got, target);
  EXPECT_EQ(arguments, "/portable");
  EXPECT_GE(index, 0);

  std::string onlyTarget;
  EXPECT_TRUE(ReadShortcut(link, &onlyTarget));
  EXPECT_EQ(onlyTarget, target);
}

TEST(ReadShortcut, NoShortcutFails) {
  ScratchFolder scratch;
  std::string got = "unchanged";
  EXPECT_FALSE(ReadShortcut(scratch.path() + "missing.lnk", &got));
  const std::string notALink = scratch.File("plain.lnk", "this is no shortcut");
  EXPECT_FALSE(ReadShortcut(notALink, &got));
}

class TitledWindow {
 public:
  explicit TitledWindow(const wchar_t* title) {
    hwnd_ = CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  }
  ~TitledWindow() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

TEST(WindowTitles, TerminalAndBrowserTitlesCollected) {
  TitledWindow other(L"メモ帳");
  TitledWindow browser(L"ニュース - Internet Explorer");
  TitledWindow terminal(L"1234: Demo - MetaTrader 4 - [EURUSD,H1]");
  HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  EnumWindows(CollectWindowTitles, reinterpret_cast<LPARAM>(list));

  int separators = 0, titles = 0;
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t item[300] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
    const std::wstring text = item;
    if (text == L"----------------\n") ++separators;
    if (text == L"メモ帳") ADD_FAILURE() << "an unrelated title was collected";
    if (text == L"ニュース - Internet Explorer" ||
        text == L"1234: Demo - MetaTrader 4 - [EURUSD,H1]")
      ++titles;
  }
  EXPECT_EQ(titles, 2);
  EXPECT_EQ(separators * 2, static_cast<int>(count));
  EXPECT_EQ(FirstTerminalTitle(list), WideToSjis(L"1234: Demo - MetaTrader 4 - [EURUSD,H1]"));
  DestroyWindow(list);
}

TEST(WebBrowserHost, HostsTheControlAndRecordsTheNavigation) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 360, 220, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  WebBrowserHost host;
  ASSERT_TRUE(host.Create(parent, 0, 0, 344, 184));
  RECT r{};
  GetClientRect(host.window(), &r);
  EXPECT_EQ(r.right, 344);
  EXPECT_EQ(r.bottom, 184);
  host.Navigate("C:\\表\\Version.htm", kNavigateFresh);
  EXPECT_EQ(host.lastAddress(), "C:\\表\\Version.htm");
  EXPECT_EQ(host.lastFlags(), 14);
  DestroyWindow(parent);
}

// Notepad's window when it shows the file of that name in its title; null otherwise.
HWND NotepadShowing(const std::wstring& fileName) {
  HWND w = FindWindowW(L"Notepad", nullptr);
  wchar_t title[256] = {};
  if (w) GetWindowTextW(w, title, 256);
  return std::wstring(title).find(fileName) != std::wstring::npos ? w : nullptr;
}

// The same, once it came up within ten seconds.
HWND AwaitNotepadShowing(const std::wstring& fileName) {
  HWND notepad = nullptr;
  for (int i = 0; i < 200 && !notepad; ++i) {
    Sleep(50);
    notepad = NotepadShowing(fileName);
  }
  return notepad;
}

void CloseNotepad(HWND notepad) {
  DWORD processId = 0;
  GetWindowThreadProcessId(notepad, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, processId);
  PostMessageW(notepad, WM_CLOSE, 0, 0);
  if (process && WaitForSingleObject(process, 10000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
  if (process) CloseHandle(process);
}

std::string NotepadPath() {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  return WideToSjis(windows) + "\\NOTEPAD.EXE";
}

// Notepad and the browser get a blank and the path after their own name: the real start must
// hand them the file, not a command line they read as a program name.
TEST(StartProgram, NotepadOpensTheFileAfterTheBlank) {
  ScratchFolder scratch;
  const std::string file = scratch.File("読んでね.txt", "hello");
  ASSERT_TRUE(StartProgram(NotepadPath(), " " + file));
  HWND notepad = AwaitNotepadShowing(L"読んでね.txt");
  ASSERT_NE(notepad, nullptr);
  CloseNotepad(notepad);
}

// A start that waits for the program to be ready returns with the file already read in, so
// the caller may delete it.
TEST(StartProgram, WaitingForReadinessReturnsWithTheFileShown) {
  ScratchFolder scratch;
  const std::string file = scratch.File("注意書き.txt", "note");
  ASSERT_TRUE(StartProgram(NotepadPath(), " " + file, 10000));
  EXPECT_NE(NotepadShowing(L"注意書き.txt"), nullptr);
  HWND notepad = AwaitNotepadShowing(L"注意書き.txt");  // closed however the test went
  if (notepad) CloseNotepad(notepad);
}

}  // namespace
