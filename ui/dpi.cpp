#include "ui/dpi.h"

#include "ui/window.h"

namespace ui {

namespace {

// Windows 10 1607 and later; older systems report one DPI for the whole screen.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int ScreenLogPixels() {
  HDC dc = GetDC(nullptr);
  const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : kDesignDpi;
  if (dc) ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int WindowDpi(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow && hwnd) {
    const UINT dpi = getDpiForWindow(hwnd);
    if (dpi > 0) return static_cast<int>(dpi);
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
  SetWindowPos(hwnd, nullptr, RescaleDpi(r.left, fromDpi, toDpi), RescaleDpi(r.top, fromDpi, toDpi),
               RescaleDpi(r.right - r.left, fromDpi, toDpi),
               RescaleDpi(r.bottom - r.top, fromDpi, toDpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

void EnableCaptionScaling(HWND hwnd) {
  using EnableNonClientDpiScalingFn = BOOL(WINAPI*)(HWND);
  static const auto enable =
      User32Function<EnableNonClientDpiScalingFn>("EnableNonClientDpiScaling");
  if (enable) enable(hwnd);
}

}  // namespace ui
