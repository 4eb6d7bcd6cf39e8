#include "ui/dpi.h"

#include "ui/window.h"

namespace ui {

namespace {

template <typename Function>
Function LibraryFunction(HMODULE library, const char* name) {
  return library
             ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)))
             : nullptr;
}

// Windows 10 1607 and later.
template <typename Function>
Function User32Function(const char* name) {
  return LibraryFunction<Function>(GetModuleHandleW(L"user32.dll"), name);
}

// Windows 8.1 knows each display's DPI through the shell's scaling library only; older
// systems have one DPI for the whole screen.
int MonitorDpi(HWND hwnd) {
  using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto getDpiForMonitor = LibraryFunction<GetDpiForMonitorFn>(
      LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), "GetDpiForMonitor");
  UINT x = 0;
  UINT y = 0;
  constexpr int kEffectiveDpi = 0;
  if (!getDpiForMonitor ||
      getDpiForMonitor(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y) !=
          S_OK ||
      y == 0)
    return 0;
  return static_cast<int>(y);
}

int ScreenLogPixels() {
  HDC dc = GetDC(nullptr);
  const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : common::kDesignDpi;
  if (dc) ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : common::kDesignDpi;
}

}  // namespace

int WindowDpi(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow && hwnd) {
    const UINT dpi = getDpiForWindow(hwnd);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  if (hwnd) {
    if (const int dpi = MonitorDpi(hwnd); dpi > 0) return dpi;
  }
  return ScreenLogPixels();
}

int ScreenDpi() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto getDpiForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
  if (getDpiForSystem) {
    const UINT dpi = getDpiForSystem();
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return ScreenLogPixels();
}

void RescalePlace(HWND hwnd, int fromDpi, int toDpi) {
  const RECT r = PlaceOf(hwnd);
  SetWindowPos(hwnd, nullptr, common::RescaleDpi(r.left, fromDpi, toDpi),
               common::RescaleDpi(r.top, fromDpi, toDpi),
               common::RescaleDpi(r.right - r.left, fromDpi, toDpi),
               common::RescaleDpi(r.bottom - r.top, fromDpi, toDpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

void EnableCaptionScaling(HWND hwnd) {
  using EnableNonClientDpiScalingFn = BOOL(WINAPI*)(HWND);
  static const auto enable =
      User32Function<EnableNonClientDpiScalingFn>("EnableNonClientDpiScaling");
  if (enable) enable(hwnd);
}

}  // namespace ui
