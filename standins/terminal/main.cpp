// terminal.exe, the stand-in for the trader's terminal: a window whose title holds
// "MetaTrader 4", which loads PelmoraStd108.dll from its own folder and, on a timer, plays the
// expert: publishes a moving price, takes each command the console left, carries it out on a
// count of positions, clears it and reports the count. Each command taken is also written as
// one line to terminal-log.txt beside the program, for the end-to-end tests. Like a terminal
// on its first start it makes its data folder under the user's application data, where the
// set-up program finds it.
#include <windows.h>

#include <cstdio>
#include <string>

#include "common/win/codepage.h"
#include "standins/terminal/data_folder.h"
#include "standins/terminal/expert_play.h"

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMs = 200;
constexpr int kLines = 4;

struct Bridge {
  HMODULE module = nullptr;
  const wchar_t*(__stdcall* readCommand)() = nullptr;
  bool(__stdcall* clearCommand)() = nullptr;
  bool(__stdcall* setPrice)(double) = nullptr;
  bool(__stdcall* setInfo)(const wchar_t*) = nullptr;
  const wchar_t*(__stdcall* readSetting)() = nullptr;

  template <class Fn>
  bool Find(Fn& fn, const char* name) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return fn != nullptr;
  }
  bool Load(const std::wstring& path) {
    module = LoadLibraryW(path.c_str());
    return module && Find(readCommand, "Read_Command") && Find(clearCommand, "Clear_Command") &&
           Find(setPrice, "SetPrice") && Find(setInfo, "SetInfo") &&
           Find(readSetting, "ReadSetting");
  }
};

struct Terminal {
  Bridge bridge;
  bool loaded = false;
  std::wstring folder;  // with its trailing backslash
  unsigned tick = 0;
  int positions = 0;
  std::wstring lastCommand = L"(none)";
  size_t settingLength = 0;
  double price = 0;
  HWND lines[kLines] = {};
};

Terminal gTerminal;

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

void LogCommand(const std::wstring& command) {
  const std::wstring path = gTerminal.folder + L"terminal-log.txt";
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string line = WideToSjis(command) + "\r\n";
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

void ShowState() {
  Terminal& t = gTerminal;
  wchar_t price[64];
  std::swprintf(price, 64, L"Price: %.3f", t.price);
  const std::wstring texts[kLines] = {
      t.loaded ? L"Expert: PelmoraStd108.dll loaded" : L"Expert: PelmoraStd108.dll not found",
      price, L"Last command: " + t.lastCommand + L"    HitCount: " + std::to_wstring(t.positions),
      L"Settings: " + std::to_wstring(t.settingLength) + L" characters"};
  for (int i = 0; i < kLines; ++i) SetWindowTextW(t.lines[i], texts[i].c_str());
}

// One tick of the expert.
void PlayExpert() {
  Terminal& t = gTerminal;
  if (!t.loaded) return;
  t.price = MadeUpPrice(t.tick++);
  t.bridge.setPrice(t.price);
  const std::wstring command = t.bridge.readCommand();
  if (!command.empty()) {
    t.positions = ApplyCommand(t.positions, command);
    t.lastCommand = command;
    t.bridge.clearCommand();
    LogCommand(command);
  }
  t.bridge.setInfo(InfoReport(t.positions).c_str());
  t.settingLength = std::wstring(t.bridge.readSetting()).size();
  ShowState();
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
      for (int i = 0; i < kLines; ++i) {
        gTerminal.lines[i] =
            CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 12, 12 + 26 * i, 440, 22,
                            window, nullptr, nullptr, nullptr);
        SendMessageW(gTerminal.lines[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
      }
      ShowState();
      SetTimer(window, kTickTimer, kTickMs, nullptr);
      return 0;
    }
    case WM_TIMER:
      if (wParam == kTickTimer) PlayExpert();
      return 0;
    case WM_CLOSE:
      KillTimer(window, kTickTimer);
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  gTerminal.folder = OwnFolder();
  EnsureDataFolder(gTerminal.folder.substr(0, gTerminal.folder.size() - 1));
  gTerminal.loaded = gTerminal.bridge.Load(gTerminal.folder + L"PelmoraStd108.dll");

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"QuorvexTerminalStandIn";
  RegisterClassExW(&windowClass);
  HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, L"MetaTrader 4 - stand-in", WS_OVERLAPPEDWINDOW,
                      CW_USEDEFAULT, CW_USEDEFAULT, 480, 170, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (gTerminal.bridge.module) FreeLibrary(gTerminal.bridge.module);
  return 0;
}
