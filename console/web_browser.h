// The system's web-browser control embedded in a window: the control is hosted through the
// system's ActiveX host library (atl.dll) as "Shell.Explorer".
#pragma once

#include <windows.h>

#include <string>

struct IWebBrowser2;

// Navigation flags: no history, no reading from and no writing to the cache.
inline constexpr long kNavigateFresh = 2 | 4 | 8;

class WebBrowserHost {
 public:
  WebBrowserHost() = default;
  ~WebBrowserHost();
  WebBrowserHost(const WebBrowserHost&) = delete;
  WebBrowserHost& operator=(const WebBrowserHost&) = delete;

  // Creates the hosting child window at the given place in parent's client area. False when
  // the host library or the control is not available; navigation then does nothing.
  bool Create(HWND parent, int left, int top, int width, int height);

  // Navigates to an address or a file path (Shift-JIS). A failure is shown in the
  // application's standard exception box; the caller carries on.
  void Navigate(const std::string& address, long flags);

  HWND window() const { return window_; }
  // What the last Navigate asked for (the control itself may show nothing here).
  const std::string& lastAddress() const { return lastAddress_; }
  long lastFlags() const { return lastFlags_; }

 private:
  HWND window_ = nullptr;
  IWebBrowser2* browser_ = nullptr;
  std::string lastAddress_;
  long lastFlags_ = 0;
};
