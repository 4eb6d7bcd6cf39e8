// A process whose program file is named terminal.exe, for the set-up's tests: a visible window
// that closes on WM_CLOSE, or, started with "stubborn", one that ignores it and a process that
// stays until it is ended from outside.
#include <windows.h>

#include <cwchar>

namespace {

bool gStubborn = false;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE && gStubborn) return 0;
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  gStubborn = std::wcsstr(commandLine, L"stubborn") != nullptr;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"QuorvexFakeTerminal";
  RegisterClassW(&windowClass);
  HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, L"MetaTrader 4 - fake", WS_OVERLAPPEDWINDOW, 10,
                      10, 200, 80, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNOACTIVATE);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
